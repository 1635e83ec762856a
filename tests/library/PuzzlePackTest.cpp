// Selecting packs, their display copies, sorting puzzles and releasing every pack.
#include <gtest/gtest.h>

#include "library/PackSorting.h"
#include "library/PuzzlePack.h"
#include "surface/Blit.h"

namespace {

class PuzzlePacks : public testing::Test {
 protected:
  void SetUp() override {
    for (const char* packName : {"User", "Animals", "Cars"}) {
      auto pack = std::make_unique<PuzzlePack>();
      pack->name = packName;
      pack->thumbMaster = service.Create(40, 30, SurfaceMemory::System);
      pack->dropShadowMaster = service.Create(40, 30, SurfaceMemory::System);
      for (int i = 0; i < 3; ++i) {
        auto puzzle = std::make_unique<PuzzleRecord>();
        puzzle->name = std::string(packName) + std::to_string(i);
        puzzle->thumbMaster = service.Create(20, 10, SurfaceMemory::System);
        FillRect(*puzzle->thumbMaster, puzzle->thumbMaster->Bounds(), 0x123456);
        puzzle->dropShadowMaster = service.Create(20, 10, SurfaceMemory::System);
        pack->puzzles.push_back(std::move(puzzle));
      }
      library.packs.push_back(std::move(pack));
    }
  }

  bool HasCopies(const PuzzlePack& pack) const {
    for (const auto& puzzle : pack.puzzles) {
      if (!puzzle->thumb || !puzzle->dropShadow) return false;
    }
    return true;
  }
  bool HasNoCopies(const PuzzlePack& pack) const {
    for (const auto& puzzle : pack.puzzles) {
      if (puzzle->thumb || puzzle->dropShadow) return false;
    }
    return true;
  }

  SurfaceService service{PixelFormatInfo::Rgb32()};
  PuzzleLibrary library;
};

TEST_F(PuzzlePacks, OnlyTheSelectedPacksPuzzlesHaveDisplayCopies) {
  PuzzlePack& animals = *library.packs[1];
  PuzzlePack& cars = *library.packs[2];
  SelectPack(service, library, &animals);
  EXPECT_EQ(library.currentPack, &animals);
  EXPECT_TRUE(HasCopies(animals));
  EXPECT_EQ(animals.puzzles[0]->thumb->Width(), 20);
  SelectPack(service, library, &cars);
  EXPECT_TRUE(HasNoCopies(animals));
  EXPECT_TRUE(HasCopies(cars));
}

TEST_F(PuzzlePacks, SelectingNoneFreesTheCopiesAndKeepsTheCurrentPack) {
  PuzzlePack& cars = *library.packs[2];
  SelectPack(service, library, &cars);
  SelectPack(service, library, nullptr);
  EXPECT_EQ(library.currentPack, &cars);
  EXPECT_TRUE(HasNoCopies(cars));
}

TEST_F(PuzzlePacks, GameStartAndReturnReleaseAndRebuildTheCopies) {
  RestorePackDisplayCopies(service, library);
  EXPECT_EQ(library.currentPack, nullptr);
  SelectPack(service, library, library.packs[1].get());
  ReleasePackDisplayCopies(library);
  for (const auto& pack : library.packs) {
    EXPECT_FALSE(pack->thumb || pack->dropShadow) << pack->name;
    EXPECT_TRUE(HasNoCopies(*pack)) << pack->name;
  }
  RestorePackDisplayCopies(service, library);
  for (const auto& pack : library.packs) EXPECT_TRUE(pack->thumb && pack->dropShadow) << pack->name;
  EXPECT_TRUE(HasCopies(*library.packs[1]));
  EXPECT_TRUE(HasNoCopies(*library.packs[2]));
}

TEST_F(PuzzlePacks, ReleasingEveryPackLeavesNothing) {
  SelectPack(service, library, library.packs[0].get());
  ReleasePuzzlePacks(library);
  EXPECT_TRUE(library.packs.empty());
  EXPECT_EQ(library.currentPack, nullptr);
}

TEST_F(PuzzlePacks, EqualNamesOrEqualTimesStillSortTheSameWay) {
  PuzzlePack& pack = *library.packs[0];
  pack.puzzles[0]->name = "same", pack.puzzles[1]->name = "Same", pack.puzzles[2]->name = "SAME";
  for (auto& puzzle : pack.puzzles) puzzle->createdLow = 7;
  SortPuzzles(pack, true);
  const std::vector<std::string> order = {pack.puzzles[0]->name, pack.puzzles[1]->name,
                                          pack.puzzles[2]->name};
  EXPECT_EQ(order, (std::vector<std::string>{"SAME", "Same", "same"}));
  pack.puzzles[1]->createdHigh = 1;
  SortPuzzles(pack, true);
  EXPECT_EQ(pack.puzzles[0]->name, "Same") << "the high word of the time counts";
}

TEST_F(PuzzlePacks, SortPacksMovesTheFirstUserPackToTheFront) {
  library.packs[0]->isUserPack = true;
  library.packs[0]->name = "User";
  SortPacks(library);
  EXPECT_EQ(library.packs[0]->name, "User");
  EXPECT_EQ(library.packs[1]->name, "Animals");
  EXPECT_EQ(library.packs[2]->name, "Cars");
}

}  // namespace
