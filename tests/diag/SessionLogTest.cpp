// The session log: open modes, session blocks, unbuffered writes and the current-log pointer.
#include "diag/SessionLog.h"

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <vector>

#include "DiagTestFiles.h"

namespace {

const std::string kHyphens(57, '-');
const std::string kSeparator = kHyphens + "\n";

// Lines `first` to `first + 2` are a separator, "<title><time stamp>" and a separator.
void ExpectBlock(const std::vector<std::string>& lines, std::size_t first,
                 const std::string& title) {
  ASSERT_GE(lines.size(), first + 3);
  EXPECT_EQ(lines[first], kHyphens);
  EXPECT_TRUE(lines[first + 1].starts_with(title)) << lines[first + 1];
  EXPECT_TRUE(IsTimeStamp(lines[first + 1].substr(title.size()))) << lines[first + 1];
  EXPECT_EQ(lines[first + 2], kHyphens);
}

void ExpectOnlyBeginBlock(const std::string& text) {
  const std::vector<std::string> lines = SplitLines(text);
  EXPECT_EQ(lines.size(), 3u) << text;
  ExpectBlock(lines, 0, "BEGIN SESSION: ");
  EXPECT_TRUE(text.ends_with("\n"));
}

void WriteFileOfSize(const std::string& path, std::size_t size) {
  std::ofstream(path, std::ios::binary) << std::string(size, 'x');
}

class SessionLogTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_FALSE(dir.Path().empty()); }
  void TearDown() override { SetCurrentSessionLog(nullptr); }

  TempDir dir;
  std::string path = SessionLogPath(dir.Path().string());
};

TEST_F(SessionLogTest, PathIsExceptionLogInTheProgramDirectory) {
  EXPECT_EQ(SessionLogPath("/games/pavlemir"), "/games/pavlemir/Exception.log");
}

TEST_F(SessionLogTest, NewLogHoldsExactlyOneBeginBlock) {
  SessionLog log(path);
  log.Open();
  EXPECT_TRUE(log.IsOpen());
  EXPECT_EQ(CurrentSessionLog(), &log);
  ExpectOnlyBeginBlock(ReadWholeFile(path));
}

TEST_F(SessionLogTest, EveryRunIsFramedByBeginAndEndBlocks) {
  for (int run = 0; run < 2; ++run) {
    SessionLog log(path);
    log.Open();
    log.Write("message ").Write(std::to_string(run)).Write("\n");
  }
  const std::vector<std::string> lines = SplitLines(ReadWholeFile(path));
  ASSERT_EQ(lines.size(), 14u);
  for (std::size_t run = 0; run < 2; ++run) {
    ExpectBlock(lines, 7 * run, "BEGIN SESSION: ");
    EXPECT_EQ(lines[7 * run + 3], "message " + std::to_string(run));
    ExpectBlock(lines, 7 * run + 4, "END SESSION: ");
  }
  EXPECT_EQ(CurrentSessionLog(), nullptr);
}

TEST_F(SessionLogTest, LogOfExactlyTheLimitIsAppendedTo) {
  WriteFileOfSize(path, 100000);
  {
    SessionLog log(path);
    log.Open();
  }
  const std::string text = ReadWholeFile(path);
  ASSERT_GT(text.size(), 100000u);
  EXPECT_EQ(text.substr(0, 100000), std::string(100000, 'x'));
  EXPECT_EQ(text.substr(100000, kSeparator.size()), kSeparator);
}

TEST_F(SessionLogTest, LogOverTheLimitStartsAfresh) {
  WriteFileOfSize(path, 100001);
  SessionLog log(path);
  log.Open();
  ExpectOnlyBeginBlock(ReadWholeFile(path));
}

TEST_F(SessionLogTest, WritesAreVerbatimAndReachTheFileAtOnce) {
  SessionLog log(path);
  log.Open();
  const std::size_t before = ReadWholeFile(path).size();
  log.Write("100% %s %d\\n\n").Write(static_cast<const char*>(nullptr)).Write("two\nlines\n");
  EXPECT_EQ(ReadWholeFile(path).substr(before), "100% %s %d\\n\ntwo\nlines\n");
}

TEST_F(SessionLogTest, WritingWithoutCurrentLogDoesNothing) {
  SessionLog log(path);
  log.Open();
  SetCurrentSessionLog(nullptr);
  WriteSessionLog("lost\n");
  WriteSessionLog(std::string("lost too\n"));
  EXPECT_EQ(ReadWholeFile(path).find("lost"), std::string::npos);
  SetCurrentSessionLog(&log);
  WriteSessionLog("kept\n");
  EXPECT_NE(ReadWholeFile(path).find("kept\n"), std::string::npos);
}

TEST_F(SessionLogTest, LogThatCannotBeOpenedStillBecomesCurrentAndSkipsWrites) {
  const std::string missingFolder = dir.File("missing") + "/Exception.log";
  {
    SessionLog log(missingFolder);
    log.Open();
    EXPECT_FALSE(log.IsOpen());
    EXPECT_EQ(CurrentSessionLog(), &log);
    WriteSessionLog("nowhere\n");
  }
  EXPECT_EQ(CurrentSessionLog(), nullptr);
  EXPECT_FALSE(std::filesystem::exists(missingFolder));
}

TEST_F(SessionLogTest, DestroyingAnotherLogLeavesTheCurrentOne) {
  SessionLog current(path);
  current.Open();
  auto other = std::make_unique<SessionLog>(dir.File("Other.log"));
  other.reset();
  EXPECT_EQ(CurrentSessionLog(), &current);
}

TEST_F(SessionLogTest, UnreadableLogIsAppendedToNotEmptied) {
  WriteFileOfSize(path, 200000);
  std::filesystem::permissions(path, std::filesystem::perms::owner_write);
  if (std::ifstream(path).is_open()) GTEST_SKIP() << "running with rights that ignore modes";
  {
    SessionLog log(path);
    log.Open();
  }
  std::filesystem::permissions(path, std::filesystem::perms::owner_all);
  EXPECT_GT(std::filesystem::file_size(path), 200000u);
}

}  // namespace
