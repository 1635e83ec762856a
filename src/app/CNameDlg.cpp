// Naming a puzzle.
#include "CNameDlg.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>

namespace {

constexpr int kClientWidth = 300;
constexpr int kClientHeight = 96;

}  // namespace

CNameDlg::CNameDlg(QWidget* parent, const QImage& faces, const std::string& initial, NameRule rule)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      rule_(std::move(rule)),
      edit_(new QLineEdit(QString::fromStdString(initial), this)),
      ok_(new OwnerDrawButton("OK", 0, faces, false, this)),
      cancel_(new OwnerDrawButton("Cancel", 0, faces, false, this)) {
  setWindowTitle("Name of Puzzle");
  setFixedSize(kClientWidth, kClientHeight);
  auto* prompt = new QLabel("Enter name of puzzle:", this);
  prompt->setGeometry(10, 8, kClientWidth - 20, 18);
  edit_->setGeometry(10, 30, kClientWidth - 20, 24);
  cancel_->move(kClientWidth - 95, kClientHeight - 28);
  ok_->move(kClientWidth - 190, kClientHeight - 28);
  connect(ok_, &QPushButton::clicked, this, &CNameDlg::accept);
  connect(cancel_, &QPushButton::clicked, this, &CNameDlg::reject);
  edit_->selectAll();
  edit_->setFocus();
}

void CNameDlg::accept() {
  const NameCheck check = rule_(edit_->text().toStdString());
  if (!check.Accepted()) {
    QMessageBox::warning(this, "Pavlemir", QString::fromStdString(check.refusal));
    // The keyboard comes back to the name, also where no window manager hands it back.
    activateWindow();
    edit_->selectAll();
    edit_->setFocus();
    return;
  }
  name_ = check.name;
  edit_->setText(QString::fromStdString(name_));
  QDialog::accept();
}

void CNameDlg::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    accept();
    return;
  }
  QDialog::keyPressEvent(event);
}
