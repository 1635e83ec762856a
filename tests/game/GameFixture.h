// Test helper: a program folder with a small pack in a temporary directory, and a Game on it
// driven through a recording host.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "FakeHost.h"
#include "assets/EmbeddedBitmaps.h"
#include "game/Game.h"
#include "game/GameCommands.h"
#include "surface/SurfaceService.h"

inline constexpr int kViewWidth = 1024;
inline constexpr int kViewHeight = 768;
inline constexpr const char* kPackName = "Tests";

// Owns the folder, the service, the host and the game. The pack holds two puzzles of 4 x 3
// pieces cut from 160 x 120 pictures; the game starts at its first paint with the first one
// selected.
class GameHarness {
 public:
  explicit GameHarness(const std::string& formatName);
  ~GameHarness();
  GameHarness(const GameHarness&) = delete;
  GameHarness& operator=(const GameHarness&) = delete;

  // A new Game on the folder (the files as they are now): seeded, painted, puzzle selected.
  void OpenGame(int puzzleIndex = 0);
  // Program end (Shutdown) and a new Game on the same folder.
  void Restart(int puzzleIndex = 0);

  Game& game() { return *game_; }
  PuzzlePack& Pack();
  PuzzleRecord& Puzzle(int index);
  // The open puzzle; fails the test when none is open.
  PuzzleRecord& Open();
  std::filesystem::path PuzzlePath(int index) const;
  const std::filesystem::path& ProgramDir() const { return dir_; }

  // The Play and Back commands.
  void Play() { game_->Command(kPlayCommand); }
  void Back() { game_->Command(kBackCommand); }
  // Advances the host's clock and runs one idle step.
  bool IdleAfter(uint32_t milliseconds);

  SurfaceService service;
  EmbeddedBitmaps bitmaps;
  FakeHost host;

 private:
  std::filesystem::path dir_;
  std::unique_ptr<Game> game_;
};

// Adds an 8 x 6 puzzle `name` cut from a 320 x 240 picture to the harness's pack (its two 4 x 3
// puzzles turn; this one only with rotationOn). The game sees it after OpenGame.
void AddWidePuzzle(GameHarness& h, const std::string& name = "Wide", bool rotationOn = false);

// A fixture in the 32-bit format.
class GameTest : public ::testing::Test {
 protected:
  GameHarness h{"32"};
};

// A fixture per pixel format ("32", "565").
class GameFormatTest : public ::testing::TestWithParam<const char*> {
 protected:
  GameHarness h{GetParam()};
};
