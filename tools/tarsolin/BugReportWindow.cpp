// The bug-report window's controls and its two actions.
#include "BugReportWindow.h"

#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QVBoxLayout>

BugReportWindow::BugReportWindow(const QString& report, QString programDirectory)
    : programDirectory_(std::move(programDirectory)), text_(new QPlainTextEdit(report, this)) {
  setWindowTitle("Pavlemir bug report");
  auto* note = new QLabel(
      "This report was composed on your computer and is not sent anywhere. Add what you were "
      "doing, then save it to a file or copy it, and send it to the developer of the game.",
      this);
  note->setWordWrap(true);
  auto* save = new QPushButton("Save...", this);
  auto* copy = new QPushButton("Copy", this);
  auto* close = new QPushButton("Close", this);
  connect(save, &QPushButton::clicked, this, &BugReportWindow::Save);
  connect(copy, &QPushButton::clicked, this, &BugReportWindow::CopyToClipboard);
  connect(close, &QPushButton::clicked, this, &QWidget::close);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(save);
  buttons->addWidget(copy);
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(note);
  layout->addWidget(text_);
  layout->addLayout(buttons);
  resize(640, 480);
}

bool BugReportWindow::SaveTo(const QString& path) {
  QSaveFile file(path);
  if (file.open(QIODevice::WriteOnly | QIODevice::Text) &&
      file.write(text_->toPlainText().toUtf8()) >= 0 && file.commit())
    return true;
  QMessageBox::warning(this, "Pavlemir bug report",
                       "The report could not be saved to " + QDir::toNativeSeparators(path) + ": " +
                           file.errorString());
  return false;
}

void BugReportWindow::CopyToClipboard() {
  QGuiApplication::clipboard()->setText(text_->toPlainText());
}

void BugReportWindow::Save() {
  const QString path = QFileDialog::getSaveFileName(
      this, "Save the bug report", QDir(programDirectory_).filePath("BugReport.txt"),
      "Text files (*.txt);;All files (*)");
  if (!path.isEmpty()) SaveTo(path);
}
