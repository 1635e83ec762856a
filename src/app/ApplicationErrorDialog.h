// The "Application error" dialog: what went wrong, and whether to compose a bug report.
#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

// Modal, without an owner, centred on the screen with the cursor shown. YES ends it with 1, NO
// (and closing it) with 0.
class ApplicationErrorDialog final : public QDialog {
 public:
  explicit ApplicationErrorDialog(const QString& crashText);

  QLineEdit* CrashText() const { return crashText_; }
  QPushButton* YesButton() const { return yes_; }
  QPushButton* NoButton() const { return no_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QLineEdit* crashText_;
  QPushButton* yes_;
  QPushButton* no_;
};

// Shows the dialog and answers true for YES.
bool AskApplicationError(const QString& crashText);
