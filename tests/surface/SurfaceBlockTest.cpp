// Surface memory in blocks: reserved blocks shared by many small surfaces and reused once
// released, large surfaces with a block of their own, and a block the system refuses.
#include <gtest/gtest.h>

#include <new>
#include <vector>

#include "FormatParam.h"

namespace {

class SurfaceBlockEach : public FormatParam {};

constexpr int kSide = 24;

// Surfaces made inside a reservation are carved from it as long as it has room, start out 0,
// keep their own pixels, and outlive the reservation; the first that does not fit comes from the
// heap. Display copies share and copy on write as anywhere else.
TEST_P(SurfaceBlockEach, AReservationHoldsTheSurfacesItWasSizedFor) {
  constexpr int kCount = 6;
  std::vector<std::unique_ptr<Surface>> masters;
  std::vector<std::unique_ptr<Surface>> copies;
  std::shared_ptr<void> data;
  {
    const auto reservation = service.Reserve(
        kCount * (service.ReservedBytes(kSide, kSide) + SurfaceService::ReservedCopyBytes()) +
        SurfaceService::ReservedDataBytes(64));
    for (int i = 0; i < kCount; ++i) {
      masters.push_back(service.Create(kSide, kSide, SurfaceMemory::System));
      ASSERT_TRUE(masters.back());
      EXPECT_TRUE(reservation->Holds(*masters.back())) << i;
      EXPECT_EQ(Pixels(*masters.back()), std::vector<uint32_t>(kSide * kSide, 0u)) << i;
      FillPattern(*masters.back(), static_cast<uint32_t>(i + 1));
      copies.push_back(CreateDisplayCopy(service, *masters.back()));
      ASSERT_TRUE(copies.back());
    }
    data = service.CarveReserved(64);
    EXPECT_TRUE(data);
    // The block is rounded up to whole pages, so less than one is left.
    const auto extra = service.Create(200, 200, SurfaceMemory::System);
    ASSERT_TRUE(extra);
    EXPECT_FALSE(reservation->Holds(*extra));
    EXPECT_FALSE(service.CarveReserved(8192));
  }
  EXPECT_FALSE(service.CarveReserved(64));
  for (int i = 0; i < kCount; ++i) {
    auto expected = Make(kSide, kSide, static_cast<uint32_t>(i + 1));
    EXPECT_EQ(Pixels(*masters[i]), Pixels(*expected)) << i;
    EXPECT_EQ(Pixels(*copies[i]), Pixels(*expected)) << i;
  }
  WritePixel(*copies[0], 0, 0, 0x0101);
  EXPECT_NE(ReadPixel(*masters[0], 0, 0), 0x0101u);
  // Released in any order, the block is kept with the last of them; the same reservation again
  // reuses it, and what is made there for reading starts out 0 all the same.
  masters.clear();
  data.reset();
  copies.clear();
  const auto again = service.Reserve(
      kCount * (service.ReservedBytes(kSide, kSide) + SurfaceService::ReservedCopyBytes()) +
      SurfaceService::ReservedDataBytes(64));
  for (int i = 0; i < kCount / 2; ++i) {
    const auto overwritten = service.CreateOverwritten(kSide, kSide, SurfaceMemory::System);
    ASSERT_TRUE(overwritten);
    EXPECT_TRUE(again->Holds(*overwritten));
    const auto cleared = service.Create(kSide, kSide, SurfaceMemory::System);
    EXPECT_TRUE(again->Holds(*cleared));
    EXPECT_EQ(Pixels(*cleared), std::vector<uint32_t>(kSide * kSide, 0u)) << i;
  }
}

// A surface of a megabyte or more has its own block, which it gives up when it goes.
TEST_P(SurfaceBlockEach, ALargeSurfaceStartsOutZeroAndShares) {
  const int height =
      static_cast<int>(SurfaceMemorySource::kOwnBlockBytes) / SurfacePitch(1000, format) + 1;
  auto large = service.Create(1000, height, SurfaceMemory::System);
  ASSERT_TRUE(large);
  EXPECT_EQ(ReadPixel(*large, 999, height - 1), 0u);
  EXPECT_EQ(ReadPixel(*large, 0, 0), 0u);
  WritePixel(*large, 999, height - 1, 0x0203);
  auto copy = CreateDisplayCopy(service, *large);
  ASSERT_TRUE(copy);
  large.reset();
  EXPECT_EQ(ReadPixel(*copy, 999, height - 1), 0x0203u);
}

int handlerCalls = 0;
struct HandlerRaised {};

// A block the system refuses is reported as a failed operator new is: through the new-handler,
// or as std::bad_alloc without one. Surfaces from the heap are still made.
TEST_P(SurfaceBlockEach, ARefusedBlockTakesTheAllocationFailurePath) {
  service.SetBlocksRefused(true);
  const std::new_handler previous = std::set_new_handler(nullptr);
  EXPECT_THROW(service.Reserve(4096), std::bad_alloc);
  EXPECT_THROW(service.Create(2048, 2048, SurfaceMemory::System), std::bad_alloc);
  std::set_new_handler([] {
    ++handlerCalls;
    throw HandlerRaised{};
  });
  handlerCalls = 0;
  EXPECT_THROW(service.Create(2048, 2048, SurfaceMemory::System), HandlerRaised);
  EXPECT_THROW(service.Reserve(4096), HandlerRaised);
  EXPECT_EQ(handlerCalls, 2);
  std::set_new_handler(previous);
  EXPECT_TRUE(service.Create(kSide, kSide, SurfaceMemory::System));
  service.SetBlocksRefused(false);
  EXPECT_TRUE(service.Create(2048, 2048, SurfaceMemory::System));
}

INSTANTIATE_TEST_SUITE_P(AllFormats, SurfaceBlockEach, ::testing::ValuesIn(kFormatNames),
                         FormatTestName);

}  // namespace
