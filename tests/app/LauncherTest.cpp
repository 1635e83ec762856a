// The installed game's launcher: it fills the player's game folder from the installed samples
// without touching what the player changed, and runs the game in that folder.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

namespace {

void WriteFile(const QString& path, const QByteArray& bytes) {
  QDir().mkpath(QFileInfo(path).path());
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

QByteArray ReadFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// An installed tree: the launcher, the samples, and a game that notes where and how it ran.
class LauncherTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(prefix_.isValid() && home_.isValid());
    QDir().mkpath(prefix_.filePath("bin"));
    ASSERT_TRUE(QFile::copy(PAVLEMIR_LAUNCHER, prefix_.filePath("bin/pavlemir")));
    WriteFile(prefix_.filePath("lib/pavlemir/pavlemir"),
              "#!/bin/sh\npwd > \"$HOME/ran\"\necho \"$@\" >> \"$HOME/ran\"\n");
    for (const char* program : {"bin/pavlemir", "lib/pavlemir/pavlemir"})
      QFile::setPermissions(prefix_.filePath(program), QFile::ReadOwner | QFile::ExeOwner);
    WriteFile(Sample("Connect.wav"), "RIFF");
    WriteFile(Sample("Puzzles/Towns/Hill Town.qvx"), "hill");
    WriteFile(Sample("Puzzles/Towns/Quiet Square.qvx"), "square");
    WriteFile(Sample("Puzzles/User/Thumb.jpg"), "cover");
  }

  QString Sample(const QString& file) const { return prefix_.filePath("share/pavlemir/" + file); }
  QString Game(const QString& file) const {
    return home_.filePath(".local/share/Pavlemir/" + file);
  }

  void Start() {
    QProcess launcher;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("HOME", home_.path());
    environment.remove("XDG_DATA_HOME");
    launcher.setProcessEnvironment(environment);
    launcher.start(prefix_.filePath("bin/pavlemir"), {"--nosplash", "two words"});
    ASSERT_TRUE(launcher.waitForFinished(30000));
    ASSERT_EQ(launcher.exitCode(), 0) << launcher.readAllStandardError().toStdString();
  }

  QTemporaryDir prefix_;
  QTemporaryDir home_;
};

TEST_F(LauncherTest, FillsThePlayersFolderOnceAndRunsTheGameThere) {
  Start();
  const QList<QByteArray> ran = ReadFile(home_.filePath("ran")).split('\n');
  ASSERT_EQ(ran.size(), 3);
  EXPECT_EQ(QDir(ran[0]).canonicalPath(), QDir(Game("")).canonicalPath());
  EXPECT_EQ(ran[1], "--nosplash two words");
  EXPECT_EQ(ReadFile(Game("Connect.wav")), "RIFF");
  EXPECT_EQ(ReadFile(Game("Puzzles/Towns/Hill Town.qvx")), "hill");
  EXPECT_EQ(ReadFile(Game("Puzzles/User/Thumb.jpg")), "cover");

  // The player saves a game, removes a puzzle and makes one of their own; a newer install
  // brings a new sample and one named like the player's.
  WriteFile(Game("Puzzles/Towns/Hill Town.qvx"), "hill with progress");
  ASSERT_TRUE(QFile::remove(Game("Puzzles/Towns/Quiet Square.qvx")));
  WriteFile(Game("Puzzles/User/Mine.qvx"), "mine");
  WriteFile(Sample("Puzzles/Towns/Harbour.qvx"), "harbour");
  WriteFile(Sample("Puzzles/User/Mine.qvx"), "sample");
  Start();
  EXPECT_EQ(ReadFile(Game("Puzzles/Towns/Hill Town.qvx")), "hill with progress");
  EXPECT_FALSE(QFile::exists(Game("Puzzles/Towns/Quiet Square.qvx")));
  EXPECT_EQ(ReadFile(Game("Puzzles/User/Mine.qvx")), "mine");
  EXPECT_EQ(ReadFile(Game("Puzzles/Towns/Harbour.qvx")), "harbour");
}

}  // namespace
