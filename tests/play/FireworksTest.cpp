// The celebration's fireworks: launching from the random sequence, motion, death and relaunch.
#include "play/Fireworks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "puzzle/RandomSequence.h"

namespace {

constexpr Rect kPlayArea = {0, 32, 1024, 768};

std::vector<int> Draws(uint32_t seed, int count) {
  SeedRandom(seed);
  std::vector<int> draws;
  for (int i = 0; i < count; ++i) draws.push_back(NextRandom());
  return draws;
}

TEST(Fireworks, MadeWaitingWithRandomDelaysAndNoParticles) {
  const std::vector<int> r = Draws(8, 4);
  SeedRandom(8);
  const Fireworks fireworks = MakeFireworks();
  for (std::size_t i = 0; i < fireworks.size(); ++i) {
    EXPECT_EQ(fireworks[i].startDelay, r[i] % 10000);
    EXPECT_TRUE(fireworks[i].relaunch);
    EXPECT_TRUE(fireworks[i].particles.empty());
  }
}

// The first burst's numbers: sprite, centre x, centre y, spread, three per particle, delay.
TEST(Fireworks, AnInitialLaunchDrawsInItsOrder) {
  const std::vector<int> r = Draws(31, 4 + 3 * kParticlesPerFirework + 1);
  SeedRandom(31);
  Fireworks fireworks;
  LaunchFireworks(fireworks, true, kPlayArea);
  const Firework& first = fireworks[0];
  const int centreX = r[1] % (1024 - 200) + 100, centreY = r[2] % (736 - 300) + 100;
  ASSERT_EQ(first.particles.size(), static_cast<std::size_t>(kParticlesPerFirework));
  for (int i = 0; i < kParticlesPerFirework; ++i) {
    const Particle& p = first.particles[static_cast<std::size_t>(i)];
    const std::size_t at = 4 + 3 * static_cast<std::size_t>(i);
    const double angle = (r[at] % 1001) * 0.00628318;
    const double speed = (r[at + 1] % (r[3] % 200 + 500) + 10) * 0.001;
    EXPECT_EQ(p.sprite, r[0] % 6);
    EXPECT_EQ(p.x, static_cast<float>(centreX));
    EXPECT_EQ(p.y, static_cast<float>(centreY));
    EXPECT_NEAR(p.vx, speed * std::cos(angle), 1e-6);
    EXPECT_NEAR(p.vy, speed * std::sin(angle), 1e-6);
    EXPECT_NEAR(p.frameRate, 10.0 / (r[at + 2] % 1000 + 1000), 1e-9);
    EXPECT_FALSE(p.dead);
  }
  EXPECT_EQ(first.startDelay, r.back() % 3000);
  for (const Firework& firework : fireworks) EXPECT_FALSE(firework.relaunch);
}

TEST(Fireworks, ParticlesFallSlowAndShowEightFramesThenDie) {
  Fireworks fireworks;
  LaunchFireworks(fireworks, true, kPlayArea);
  for (Firework& firework : fireworks) firework.startDelay = 0;
  Particle& p = fireworks[0].particles[0];
  p.vx = 0.1f, p.vy = 0.0f, p.frame = 0, p.frameRate = 0.01f;
  const float x0 = p.x;
  PlayEffects effects;
  FireworksStep(fireworks, 10, kPlayArea, effects);
  EXPECT_FLOAT_EQ(p.x, x0 + 1.0f);
  EXPECT_FLOAT_EQ(p.vx, 0.1f * (1 - 0.03f));
  EXPECT_NEAR(p.vy, 0.002 * (1 - 0.03), 1e-7);
  EXPECT_FLOAT_EQ(p.frame, 0.1f);
  EXPECT_EQ(effects.RepaintRects(), (std::vector<Rect>{kPlayArea}));

  for (float frame : {0.0f, 3.5f, 7.99f}) {
    p.frame = frame;
    EXPECT_EQ(TakeParticleFrame(p), static_cast<int>(frame));
    EXPECT_FALSE(p.dead);
  }
  p.frame = 8.0f;
  EXPECT_EQ(TakeParticleFrame(p), 2);
  EXPECT_TRUE(p.dead);
  p.frame = 1e30f;
  EXPECT_EQ(TakeParticleFrame(p), 2);
}

// A stalled frame (a step of seconds) must not turn the drag into a push that speeds particles up.
TEST(Fireworks, ALongStepStopsParticlesInsteadOfSpeedingThemUp) {
  Fireworks fireworks;
  LaunchFireworks(fireworks, true, kPlayArea);
  for (Firework& firework : fireworks) firework.startDelay = 0;
  Particle& p = fireworks[0].particles[0];
  p.vx = 0.5f, p.vy = -0.5f;
  PlayEffects effects;
  FireworksStep(fireworks, 2000, kPlayArea, effects);
  EXPECT_EQ(p.vx, 0.0f);
  EXPECT_EQ(p.vy, 0.0f);
  for (int step = 0; step < 5; ++step) FireworksStep(fireworks, 5000, kPlayArea, effects);
  for (const Firework& firework : fireworks) {
    for (const Particle& q : firework.particles) {
      EXPECT_LE(std::fabs(q.vx), 1.0f);
      EXPECT_LE(std::fabs(q.vy), 1.0f);
    }
  }
}

TEST(Fireworks, ADelayedBurstWaitsAndASpentBurstRelaunchesAtOnce) {
  Fireworks fireworks;
  LaunchFireworks(fireworks, true, kPlayArea);
  fireworks[0].startDelay = 0;
  fireworks[1].startDelay = 50;
  for (Particle& p : fireworks[0].particles) p.dead = true;
  const float x1 = fireworks[1].particles[0].x;
  const Particle* reused = fireworks[0].particles.data();
  PlayEffects effects;
  FireworksStep(fireworks, 30, kPlayArea, effects);
  EXPECT_EQ(fireworks[1].startDelay, 20);
  EXPECT_EQ(fireworks[1].particles[0].x, x1);
  EXPECT_FALSE(fireworks[0].relaunch);
  EXPECT_EQ(fireworks[0].startDelay, 0);
  EXPECT_EQ(fireworks[0].particles.data(), reused);
  for (const Particle& p : fireworks[0].particles) EXPECT_FALSE(p.dead);
  FireworksStep(fireworks, 30, kPlayArea, effects);
  EXPECT_TRUE(fireworks[1].Shows());
}

TEST(Fireworks, ASmallPlayAreaLaunchesWithoutDividingByZero) {
  Fireworks fireworks;
  LaunchFireworks(fireworks, true, {0, 32, 150, 250});
  for (const Firework& firework : fireworks) {
    EXPECT_EQ(firework.particles.front().x, 100.0f);
    EXPECT_EQ(firework.particles.front().y, 100.0f);
  }
}

}  // namespace
