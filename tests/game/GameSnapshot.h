// Test helper: what a saved game must bring back, taken from a running Game, and a short
// session of play that changes all of it.
#pragma once

#include <array>
#include <ostream>
#include <vector>

#include "GameFixture.h"

// Where a piece lies and how it is turned.
struct PiecePlace {
  int x = 0;
  int y = 0;
  int rotation = 0;
  bool operator==(const PiecePlace&) const = default;
};

// A group: its box and its members by id.
struct GroupShape {
  int box = 0;
  std::vector<int> ids;  // members in their order
  bool operator==(const GroupShape&) const = default;
};

// Pieces by id, groups in drawing order, corner boxes, ghost and thumbnail flags, clock.
struct GameSnapshot {
  std::vector<PiecePlace> pieces;
  std::vector<GroupShape> groups;
  std::array<bool, 4> boxesOpen = {};
  bool ghost = false;
  bool thumbnail = false;
  ClockReading clock;
  bool operator==(const GameSnapshot&) const = default;
};

std::ostream& operator<<(std::ostream& out, const GameSnapshot& snapshot);

GameSnapshot TakeSnapshot(Game& game);

// Plays a little in the open game: one join, one turn, a group stored in box 2, box 4 opened by
// its handle, ghost and thumbnail on, the thumbnail window moved, 65.5 seconds on the clock.
void PlayAWhile(GameHarness& h);
