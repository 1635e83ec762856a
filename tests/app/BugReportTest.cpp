// The bug-report program's report: the facts, the log's last sessions or the note that there is
// no log, and the edited text saved and copied.
#include <gtest/gtest.h>

#include "BugReport.h"
#include "BugReportWindow.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QTemporaryDir>

namespace {

const QString kSeparator(57, '-');

QString Session(int n, const QString& inside) {
  return kSeparator + "\nBEGIN SESSION: 12/09/26   10:0" + QString::number(n) + ":00\n" +
         kSeparator + "\n" + inside + kSeparator + "\nEND SESSION: 12/09/26   10:0" +
         QString::number(n) + ":30\n" + kSeparator + "\n";
}

const SystemFacts kFacts{
    "0.1", "Debian GNU/Linux 12 (linux 6.1, x86_64)", "6.4.2", {"1024 x 768, 24 bits"}};

TEST(BugReport, HoldsTheFactsAndTheLastSessionsOfTheLog) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  QString log;
  for (int n = 1; n <= 5; ++n) log += Session(n, n == 5 ? "Exception: Access violation\n" : "");
  {
    QFile file(folder.filePath("Exception.log"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(log.toUtf8());
  }
  const QString report = ComposeBugReport(kFacts, folder.path());
  for (const char* fact : {"Game version: 0.1\n", "Operating system: Debian GNU/Linux 12",
                           "Qt version: 6.4.2\n", "Screen: 1024 x 768, 24 bits\n"})
    EXPECT_TRUE(report.contains(fact)) << fact;
  EXPECT_TRUE(report.endsWith(Session(3, "") + Session(4, "") +
                              Session(5, "Exception: Access violation\n")));
  EXPECT_FALSE(report.contains("10:02:00"));
  // A log without session blocks is shown whole.
  EXPECT_EQ(LastSessions("a line\nanother\n", 3), "a line\nanother\n");
}

TEST(BugReport, WorksWithoutALogAndSavesAndCopiesTheEditedText) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  const QString report = ComposeBugReport(kFacts, folder.path());
  EXPECT_TRUE(report.contains("No session log was found"));
  EXPECT_TRUE(report.contains("Qt version: 6.4.2\n"));

  BugReportWindow window(report, folder.path());
  window.Text()->setPlainText("The game stopped when I dropped a piece.\n" + report);
  const QString path = folder.filePath("report.txt");
  ASSERT_TRUE(window.SaveTo(path));
  QFile saved(path);
  ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
  EXPECT_EQ(QString::fromUtf8(saved.readAll()), window.Text()->toPlainText());
  window.CopyToClipboard();
  EXPECT_EQ(QGuiApplication::clipboard()->text(), window.Text()->toPlainText());

  // Facts of the running system: a version and at least one screen.
  const SystemFacts facts = CurrentSystemFacts();
  EXPECT_FALSE(facts.gameVersion.isEmpty());
  EXPECT_EQ(facts.qtVersion, qVersion());
  EXPECT_FALSE(facts.screens.isEmpty());
}

}  // namespace
