// The "Application error" dialog: its texts and placement, YES and NO, and the bug-report
// program that YES starts from the program folder.
#include <gtest/gtest.h>

#include "ApplicationErrorDialog.h"
#include "ErrorReportDialogs.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

// Clicks YES or NO of the dialog once it is shown modally.
void AnswerWhenShown(bool yes) {
  QTimer::singleShot(0, [yes] {
    auto* dialog = dynamic_cast<ApplicationErrorDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    QTest::mouseClick(yes ? dialog->YesButton() : dialog->NoButton(), Qt::LeftButton);
  });
}

TEST(ApplicationErrorDialog, ShowsTheCrashTextCentredAndAnswersOneForYes) {
  QGuiApplication::setOverrideCursor(Qt::BlankCursor);
  ApplicationErrorDialog dialog("Access violation");
  QTimer::singleShot(0, [&dialog] {
    EXPECT_EQ(dialog.windowTitle(), "Application error");
    QStringList texts;
    for (const QLabel* label : dialog.findChildren<QLabel*>()) texts << label->text();
    EXPECT_EQ(texts, (QStringList{"An error occured while running the game:",
                                  "Would you like a bug report to be composed and sent to the "
                                  "developer of the game?"}));
    EXPECT_EQ(dialog.CrashText()->text(), "Access violation");
    EXPECT_TRUE(dialog.CrashText()->isReadOnly());
    EXPECT_EQ(dialog.YesButton()->text(), "YES");
    EXPECT_EQ(dialog.NoButton()->text(), "NO");
    const QPoint offset =
        dialog.frameGeometry().center() - QGuiApplication::primaryScreen()->geometry().center();
    EXPECT_LE(offset.manhattanLength(), 2);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    QTest::mouseClick(dialog.YesButton(), Qt::LeftButton);
  });
  EXPECT_EQ(dialog.exec(), 1);
  AnswerWhenShown(false);
  EXPECT_EQ(ApplicationErrorDialog("Stack owerflow").exec(), 0);
}

TEST(ApplicationErrorDialog, YesStartsTheBugReportProgramInTheProgramFolder) {
  QTemporaryDir programFolder;
  ASSERT_TRUE(programFolder.isValid());
  const QString program = programFolder.filePath("tarsolin");
  const QString note = programFolder.filePath("ran");
  {
    QFile script(program);
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write(("#!/bin/sh\npwd > '" + note + "'\necho $# >> '" + note + "'\n").toUtf8());
  }
  QFile::setPermissions(program, QFile::ReadOwner | QFile::ExeOwner);
  ErrorReportDialogs dialogs(programFolder.path());

  AnswerWhenShown(false);
  OfferBugReport("Access violation", dialogs);
  QTest::qWait(300);
  EXPECT_FALSE(QFile::exists(note));

  AnswerWhenShown(true);
  OfferBugReport("Access violation", dialogs);
  QElapsedTimer waited;
  waited.start();
  QByteArray ran;
  while (ran.count('\n') < 2 && waited.elapsed() < 10000) {
    QTest::qWait(20);
    QFile file(note);
    if (file.open(QIODevice::ReadOnly)) ran = file.readAll();
  }
  EXPECT_EQ(ran, QDir(programFolder.path()).canonicalPath().toUtf8() + "\n0\n");
}

}  // namespace
