// Handling a raised CGP_Exeption: the log line and what the player is shown, with a fake shell.
#include "diag/ExceptionHandling.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DiagTestFiles.h"
#include "diag/MemoryExhaustion.h"
#include "diag/RaiseSites.h"
#include "diag/SessionLog.h"

namespace {

// Records what the handling asked for and answers the dialog as told.
class FakeShell : public ErrorReportShell {
 public:
  explicit FakeShell(bool answerYes) : answerYes_(answerYes) {}
  void ShowErrorBox(const char* text, const char* caption) override {
    calls.push_back(std::string("box ") + caption + ": " + text);
  }
  bool AskApplicationError(const char* crashText) override {
    calls.push_back(std::string("dialog: ") + crashText);
    return answerYes_;
  }
  void StartBugReportProgram() override { calls.push_back("bug report"); }

  std::vector<std::string> calls;

 private:
  bool answerYes_;
};

using Calls = std::vector<std::string>;

class ExceptionHandlingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(dir.Path().empty());
    log.Open();
    logged = ReadWholeFile(path).size();
  }
  std::string LoggedSinceOpen() const { return ReadWholeFile(path).substr(logged); }

  TempDir dir;
  std::string path = SessionLogPath(dir.Path().string());
  SessionLog log{path};
  std::size_t logged = 0;
};

TEST_F(ExceptionHandlingTest, DrawingServiceFailureAnsweredNo) {
  FakeShell shell(false);
  HandleRaisedException(ViewCreationError(ViewCreationFailure::ServiceCreate), shell);
  EXPECT_EQ(LoggedSinceOpen(),
            "Line 571 in module ChildView throw exception:\nError DirectDrawCreate\n");
  EXPECT_EQ(shell.calls, Calls{"dialog: Unable to initialize DirectX drivers."});
}

TEST_F(ExceptionHandlingTest, YesStartsTheBugReportProgram) {
  FakeShell shell(true);
  HandleRaisedException(ViewCreationError(ViewCreationFailure::CooperativeLevel), shell);
  EXPECT_EQ(shell.calls, (Calls{"dialog: Unable to initialize DirectX drivers.", "bug report"}));
}

TEST_F(ExceptionHandlingTest, ReportWithoutUserTextSaysInternalRuntimeError) {
  FakeShell shell(false);
  HandleRaisedException(MemoryExhaustedExeption(300), shell);
  EXPECT_EQ(LoggedSinceOpen(),
            "Line 300 in module Puzzle throw exception:\nError memory allocation\n\n");
  EXPECT_EQ(shell.calls, Calls{"dialog: Internal runtime error"});
}

TEST_F(ExceptionHandlingTest, UserTextWithoutReportShowsAMessageBox) {
  FakeShell shell(true);
  HandleRaisedException(CGP_FatalExeption("Game.cpp", 40, nullptr, "Cannot go on.", false), shell);
  EXPECT_EQ(LoggedSinceOpen(), "Line 40 in module Game.cpp throw exception\n");
  EXPECT_EQ(shell.calls, Calls{"box Quenbrook Exception: Cannot go on."});
}

TEST_F(ExceptionHandlingTest, NeitherUserTextNorReportIsOnlyLogged) {
  FakeShell shell(true);
  HandleRaisedException(CGP_Exeption("Game.cpp", 41, "quiet"), shell);
  EXPECT_EQ(LoggedSinceOpen(), "Line 41 in module Game.cpp throw exception:\nquiet\n");
  EXPECT_TRUE(shell.calls.empty());
}

TEST_F(ExceptionHandlingTest, ClosedLogStillShowsTheDialog) {
  SetCurrentSessionLog(nullptr);
  FakeShell shell(true);
  HandleRaisedException(ViewCreationError(ViewCreationFailure::InterfaceQuery), shell);
  EXPECT_EQ(LoggedSinceOpen(), "");
  EXPECT_EQ(shell.calls, (Calls{"dialog: Unable to initialize DirectX drivers.", "bug report"}));
}

}  // namespace
