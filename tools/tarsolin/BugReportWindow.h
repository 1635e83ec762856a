// The bug-report program's window: the report to read and edit, saved or copied on request.
#pragma once

#include <QWidget>

class QPlainTextEdit;
class QPushButton;

// Shows the composed report editable. "Save..." writes the text as it stands to a file the
// player picks, "Copy" puts it on the clipboard; nothing leaves the computer otherwise.
class BugReportWindow final : public QWidget {
 public:
  BugReportWindow(const QString& report, QString programDirectory);

  QPlainTextEdit* Text() const { return text_; }
  // Writes the shown text to `path`; false (and the player told) when it cannot.
  bool SaveTo(const QString& path);
  void CopyToClipboard();

 private:
  void Save();

  QString programDirectory_;
  QPlainTextEdit* text_;
};
