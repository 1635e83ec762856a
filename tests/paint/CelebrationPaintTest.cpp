// The celebration's frame, the particles' frames and death, and the join sparkle.
#include <gtest/gtest.h>

#include "PaintScene.h"
#include "paint/CelebrationPainter.h"
#include "surface/Blit.h"

namespace {

class CelebrationPaintTest : public PaintFormatTest {
 protected:
  CelebrationPaintTest() : scene(Format()) {
    Surface& back = *scene.resources.backSurface;
    FillRect(back, back.Bounds(), scene.FromRgb(kSnapshotRgb));
    EXPECT_TRUE(TakeSnapshot(scene.resources, scene.service));
    FillRect(back, back.Bounds(), 0);
    scene.state.mode = ViewMode::Celebration;
    for (Firework& f : scene.state.fireworks) {
      f.startDelay = 0;
      f.particles.clear();
    }
  }

  Particle& AddParticle(int firework, float x, float y, float frame, int sprite) {
    auto& particles = scene.state.fireworks[static_cast<std::size_t>(firework)].particles;
    particles.push_back({x, y, 0, 0, frame, 0, sprite, false});
    return particles.back();
  }

  static constexpr uint32_t kSnapshotRgb = 0x00336699;
  PaintScene scene;
};

TEST_P(CelebrationPaintTest, SnapshotFillsTheRepaintedRectangleOnly) {
  PaintCelebration(scene.resources, scene.state.fireworks, {10, 40, 20, 50});
  EXPECT_EQ(scene.Pixel(10, 40), scene.FromRgb(kSnapshotRgb));
  EXPECT_EQ(scene.Pixel(19, 49), scene.FromRgb(kSnapshotRgb));
  EXPECT_EQ(scene.Pixel(20, 49), 0u);
  EXPECT_EQ(scene.Pixel(9, 40), 0u);
}

TEST_P(CelebrationPaintTest, ParticlesShowFramesZeroToSevenThenFrameTwoOnceAndDie) {
  for (int k = 0; k <= 7; ++k) AddParticle(k % 4, 40.0f * k + 5.7f, 60.9f, k + 0.5f, k % 6);
  Particle& dying = AddParticle(0, 100.2f, 150.0f, 8.25f, 4);
  PaintCelebration(scene.resources, scene.state.fireworks, scene.state.playArea);
  for (int k = 0; k <= 7; ++k) {
    const int x = 40 * k + 5, y = 60;
    EXPECT_EQ(scene.Pixel(x, y), scene.FromRgb(kSnapshotRgb)) << k;  // the sprite's black corner
    EXPECT_EQ(scene.Pixel(x + 11, y + 11), scene.FromRgb(ParticleColour(k % 6, k))) << k;
    EXPECT_EQ(scene.Pixel(x + 12, y + 5), scene.FromRgb(kSnapshotRgb)) << k;
  }
  EXPECT_EQ(scene.Pixel(105, 155), scene.FromRgb(ParticleColour(4, 2)));
  EXPECT_TRUE(dying.dead);

  PaintCelebration(scene.resources, scene.state.fireworks, scene.state.playArea);
  EXPECT_EQ(scene.Pixel(105, 155), scene.FromRgb(kSnapshotRgb));
  EXPECT_EQ(scene.Pixel(40 + 5 + 6, 66), scene.FromRgb(ParticleColour(1, 1)));
}

TEST_P(CelebrationPaintTest, BurstsStillWaitingAreNotDrawn) {
  scene.state.fireworks[2].startDelay = 1;
  AddParticle(2, 50, 50, 1, 0);
  PaintCelebration(scene.resources, scene.state.fireworks, scene.state.playArea);
  EXPECT_EQ(scene.Pixel(55, 55), scene.FromRgb(kSnapshotRgb));
  EXPECT_FALSE(scene.state.fireworks[2].particles[0].dead);
}

TEST_P(CelebrationPaintTest, ParticlesAreClippedToTheRepaintedRectangle) {
  AddParticle(0, 50, 50, 1, 0);
  AddParticle(0, 30000.0f, -1.0e20f, 1, 0);  // far off: not drawn, and no crash
  PaintCelebration(scene.resources, scene.state.fireworks, {0, 32, 55, 240});
  EXPECT_EQ(scene.Pixel(54, 55), scene.FromRgb(ParticleColour(0, 1)));
  EXPECT_EQ(scene.Pixel(55, 55), 0u);
}

TEST_P(CelebrationPaintTest, SparkleShowsFramesZeroToFifteenAndNothingAfter) {
  scene.state.sparkle.x = 100;
  scene.state.sparkle.y = 100;
  const uint32_t under = scene.FromRgb(0x000A0B0C);
  for (int k = 0; k <= 18; ++k) {
    scene.state.sparkle.frame = k + 0.75f;
    FillRect(*scene.resources.backSurface, {100, 100, 124, 123}, under);
    PaintSparkle(scene.resources, scene.state.sparkle, scene.state.playArea);
    const uint32_t inside = k <= 15 ? scene.FromRgb(SparkleColour(k)) : under;
    EXPECT_EQ(scene.Pixel(123, 122), inside) << k;
    EXPECT_EQ(scene.Pixel(101, 100), inside) << k;
    EXPECT_EQ(scene.Pixel(100, 100), under) << k;  // keyed black
    EXPECT_EQ(scene.Pixel(124, 110), 0u) << k;
  }
}

TEST_P(CelebrationPaintTest, SparkleIsClippedToThePlayAreaNotToTheRepaint) {
  scene.state.mode = ViewMode::Play;
  scene.state.sparkle = {3.0f, 200, 20};  // its top 12 rows lie in the toolbar strip
  const FrameResult result = scene.Compose({0, 200, 10, 210});
  EXPECT_EQ(result.present, (Rect{0, 200, 10, 210}));
  EXPECT_EQ(scene.Pixel(210, 31), 0u);
  EXPECT_EQ(scene.Pixel(210, 32), scene.FromRgb(SparkleColour(3)));
  EXPECT_EQ(scene.Pixel(223, 42), scene.FromRgb(SparkleColour(3)));
}

TEST_P(CelebrationPaintTest, ComposeShowsTheSnapshotUnderTheFireworks) {
  AddParticle(3, 70, 80, 4, 5);
  const FrameResult result = scene.Compose({0, 0, 320, 240});
  EXPECT_EQ(result.present, scene.state.playArea);
  EXPECT_EQ(scene.Pixel(75, 85), scene.FromRgb(ParticleColour(5, 4)));
  EXPECT_EQ(scene.Pixel(5, 35), scene.FromRgb(kSnapshotRgb));
}

INSTANTIATE_TEST_SUITE_P(Formats, CelebrationPaintTest, ::testing::ValuesIn(kFormatNames),
                         PaintFormatName);

}  // namespace
