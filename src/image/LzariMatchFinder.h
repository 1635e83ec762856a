// The encoder's window and the binary search trees that find its longest matches.
#pragma once

#include <array>
#include <cstdint>

#include "image/LzariParameters.h"

// The window of kLzariWindow bytes plus a copy of its first kLzariMaxMatch - 1 bytes behind
// its end, so a match can be compared without wrapping. Every inserted position is a node of
// the tree of its first byte, ordered by the kLzariMaxMatch bytes starting there.
class LzariMatchFinder {
 public:
  LzariMatchFinder() { Reset(); }

  // Spaces before kLzariStart, every tree empty.
  void Reset();

  uint8_t At(int position) const { return m_window[static_cast<std::size_t>(position)]; }
  void Put(int position, uint8_t byte);

  // Adds `position` and finds the longest match for the bytes there among the other nodes;
  // among equally long ones the nearest wins. Matches of kLzariThreshold bytes or fewer are
  // not reported (MatchLength() is 0 then).
  void Insert(int position);
  // Takes `position` out of its tree (nothing when it is not in one).
  void Remove(int position);

  int MatchLength() const { return m_matchLength; }
  // How far back the match starts, 1 to kLzariWindow - 1.
  int MatchDistance() const { return m_matchDistance; }

 private:
  static constexpr int kNone = kLzariWindow;
  // Nodes 0..kLzariWindow - 1 are window positions, kLzariWindow + 1 + b the root of the tree
  // of first byte b.
  static constexpr std::size_t kNodes = kLzariWindow + 1 + 256;

  int& Left(int node) { return m_left[static_cast<std::size_t>(node)]; }
  int& Right(int node) { return m_right[static_cast<std::size_t>(node)]; }
  int& Parent(int node) { return m_parent[static_cast<std::size_t>(node)]; }
  // Puts `node` where `old` was in its tree; `old` leaves the tree.
  void Replace(int old, int node);
  void RecordMatch(int position, int candidate, int length);

  std::array<uint8_t, kLzariWindow + kLzariMaxMatch - 1> m_window{};
  std::array<int, kNodes> m_left{};
  std::array<int, kNodes> m_right{};
  std::array<int, kNodes> m_parent{};
  int m_matchLength = 0;
  int m_matchDistance = 0;
};
