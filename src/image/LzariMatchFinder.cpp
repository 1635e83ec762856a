// Inserting and removing window positions in the match trees.
#include "image/LzariMatchFinder.h"

#include <algorithm>

void LzariMatchFinder::Reset() {
  // Spaces before the start, and in the copy of the window's first bytes behind its end.
  const auto start = m_window.begin() + kLzariStart;
  const auto copy = m_window.begin() + kLzariWindow;
  std::fill(m_window.begin(), start, kLzariFill);
  std::fill(start, copy, uint8_t{0});
  std::fill(copy, m_window.end(), kLzariFill);
  m_left.fill(kNone);
  m_right.fill(kNone);
  m_parent.fill(kNone);
  m_matchLength = 0;
  m_matchDistance = 0;
}

void LzariMatchFinder::Put(int position, uint8_t byte) {
  m_window[static_cast<std::size_t>(position)] = byte;
  if (position < kLzariMaxMatch - 1) {
    m_window[static_cast<std::size_t>(position + kLzariWindow)] = byte;
  }
}

void LzariMatchFinder::RecordMatch(int position, int candidate, int length) {
  if (length <= kLzariThreshold) return;
  const int distance = (position - candidate) & (kLzariWindow - 1);
  if (length > m_matchLength || (length == m_matchLength && distance < m_matchDistance)) {
    m_matchLength = length;
    m_matchDistance = distance;
  }
}

void LzariMatchFinder::Insert(int position) {
  const uint8_t* key = &m_window[static_cast<std::size_t>(position)];
  Left(position) = kNone;
  Right(position) = kNone;
  m_matchLength = 0;
  int node = kLzariWindow + 1 + key[0];
  int order = 1;
  for (;;) {
    int& child = order >= 0 ? Right(node) : Left(node);
    if (child == kNone) {
      child = position;
      Parent(position) = node;
      return;
    }
    node = child;
    const uint8_t* other = &m_window[static_cast<std::size_t>(node)];
    int length = 1;
    order = 0;
    while (length < kLzariMaxMatch && (order = key[length] - other[length]) == 0) ++length;
    RecordMatch(position, node, length);
    if (length >= kLzariMaxMatch) break;
  }
  // `node` holds the same kLzariMaxMatch bytes; the newer position takes its place.
  Replace(node, position);
}

void LzariMatchFinder::Replace(int old, int node) {
  Parent(node) = Parent(old);
  Left(node) = Left(old);
  Right(node) = Right(old);
  Parent(Left(old)) = node;
  Parent(Right(old)) = node;
  int& link = Right(Parent(old)) == old ? Right(Parent(old)) : Left(Parent(old));
  link = node;
  Parent(old) = kNone;
}

void LzariMatchFinder::Remove(int position) {
  if (Parent(position) == kNone) return;
  int heir;
  if (Right(position) == kNone) {
    heir = Left(position);
  } else if (Left(position) == kNone) {
    heir = Right(position);
  } else {
    // Two children: the largest node of the left subtree takes the place.
    heir = Left(position);
    if (Right(heir) != kNone) {
      do heir = Right(heir);
      while (Right(heir) != kNone);
      Right(Parent(heir)) = Left(heir);
      Parent(Left(heir)) = Parent(heir);
      Left(heir) = Left(position);
      Parent(Left(position)) = heir;
    }
    Right(heir) = Right(position);
    Parent(Right(position)) = heir;
  }
  Parent(heir) = Parent(position);
  int& link =
      Right(Parent(position)) == position ? Right(Parent(position)) : Left(Parent(position));
  link = heir;
  Parent(position) = kNone;
}
