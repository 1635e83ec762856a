// The play script language: one command a line, run against a headless game.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "PlayHost.h"
#include "game/Game.h"

// What the lines of one script share.
struct PlayContext {
  Game& game;
  PlayHost& host;
  std::filesystem::path outDir;
  uint32_t seed = 1;
  int solves = 0;  // each solve draws its offsets from its own seed
};

// What a line did: an error text, or the end of the program with its exit status.
struct LineResult {
  std::string error;
  bool quit = false;
  int exitStatus = 0;
};

// Splits a line into words at spaces and tabs; "double quotes" hold a word with spaces, in which
// \" and \\ stand for a quote and a backslash. `#` outside quotes starts a comment. False, with
// the reason, for an unterminated quote.
bool SplitLine(const std::string& line, std::vector<std::string>& words, std::string& error);

// Runs one command given as words (at least one).
LineResult RunLine(PlayContext& context, const std::vector<std::string>& words);
