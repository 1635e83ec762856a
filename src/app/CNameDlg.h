// The name dialog of Create and Rename: "Enter name of puzzle:", an edit box, OK and Cancel.
#pragma once

#include <QDialog>
#include <QImage>
#include <QLineEdit>
#include <string>

#include "OwnerDrawButton.h"
#include "game/PuzzleDialogs.h"

// OK runs the name rule: an accepted name is written back into the edit box and closes the
// dialog; a refused one shows its message, selects the text and keeps the dialog open. Enter
// is OK, Escape Cancel.
class CNameDlg final : public QDialog {
 public:
  CNameDlg(QWidget* parent, const QImage& faces, const std::string& initial, NameRule rule);

  QLineEdit& Edit() { return *edit_; }
  OwnerDrawButton& OkButton() { return *ok_; }
  OwnerDrawButton& CancelButton() { return *cancel_; }
  // The accepted name, after OK.
  const std::string& Name() const { return name_; }

  void accept() override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  NameRule rule_;
  QLineEdit* edit_;
  OwnerDrawButton* ok_;
  OwnerDrawButton* cancel_;
  std::string name_;
};
