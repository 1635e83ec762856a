// Sorting packs and puzzles.
#include "library/PackSorting.h"

#include <algorithm>

#include "library/FileTimes.h"
#include "library/NameOrder.h"

namespace {

bool NameBefore(const std::string& a, const std::string& b) {
  const int order = CompareNamesIgnoringCase(a, b);
  return order != 0 ? order < 0 : a < b;
}

uint64_t CreatedTime(const PuzzleRecord& puzzle) {
  return JoinWords(puzzle.createdLow, puzzle.createdHigh);
}

}  // namespace

void SortPuzzles(PuzzlePack& pack, bool byTime) {
  std::stable_sort(pack.puzzles.begin(), pack.puzzles.end(),
                   [byTime](const auto& a, const auto& b) {
                     if (byTime && CreatedTime(*a) != CreatedTime(*b))
                       return CreatedTime(*a) > CreatedTime(*b);
                     return NameBefore(a->name, b->name);
                   });
}

void SortPacks(PuzzleLibrary& library) {
  std::stable_sort(library.packs.begin(), library.packs.end(),
                   [](const auto& a, const auto& b) { return NameBefore(a->name, b->name); });
  const auto user = std::find_if(library.packs.begin(), library.packs.end(),
                                 [](const auto& pack) { return pack->isUserPack; });
  if (user != library.packs.end()) std::rotate(library.packs.begin(), user, user + 1);
}
