// The "Application error" dialog's controls and placement.
#include "ApplicationErrorDialog.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

ApplicationErrorDialog::ApplicationErrorDialog(const QString& crashText)
    : QDialog(nullptr, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      crashText_(new QLineEdit(crashText, this)),
      yes_(new QPushButton("YES", this)),
      no_(new QPushButton("NO", this)) {
  setWindowTitle("Application error");
  setModal(true);
  crashText_->setReadOnly(true);
  crashText_->setCursorPosition(0);
  crashText_->setMinimumWidth(360);
  yes_->setDefault(true);
  connect(yes_, &QPushButton::clicked, this, [this] { done(1); });
  connect(no_, &QPushButton::clicked, this, [this] { done(0); });

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(yes_);
  buttons->addWidget(no_);
  buttons->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel("An error occured while running the game:", this));
  layout->addWidget(crashText_);
  layout->addWidget(new QLabel(
      "Would you like a bug report to be composed and sent to the developer of the game?", this));
  layout->addLayout(buttons);
  setCursor(Qt::ArrowCursor);
}

void ApplicationErrorDialog::showEvent(QShowEvent* event) {
  // The game may have hidden or replaced the pointer; the player needs it to answer.
  while (QGuiApplication::overrideCursor() != nullptr) QGuiApplication::restoreOverrideCursor();
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect frame = frameGeometry();
    frame.moveCenter(screen->geometry().center());
    move(frame.topLeft());
  }
  QDialog::showEvent(event);
}

bool AskApplicationError(const QString& crashText) {
  ApplicationErrorDialog dialog(crashText);
  return dialog.exec() == 1;
}
