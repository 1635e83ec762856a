// The four bursts of fireworks that play over the finished picture.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "play/PlayEffects.h"
#include "surface/Rect.h"

inline constexpr int kFireworkCount = 4;
inline constexpr int kParticlesPerFirework = 150;
inline constexpr int kParticleSpriteCount = 6;  // particle sprites 272 to 277
inline constexpr int kLastParticleFrame = 7;

struct Particle {
  float x = 0, y = 0;    // view client coordinates
  float vx = 0, vy = 0;  // pixels per millisecond
  float frame = 0;
  float frameRate = 0;  // frames per millisecond
  int sprite = 0;       // 0..5: particle sprite 272 + sprite
  bool dead = false;    // set by the painter once the frame passes 7
};

// One burst. It shows once startDelay (milliseconds, counted down by the idle step) is below 1.
struct Firework {
  int32_t startDelay = 0;
  std::vector<Particle> particles;  // made on the first launch, then reused
  bool relaunch = true;             // spent: waits for a new launch

  bool Shows() const { return startDelay < 1; }
};

using Fireworks = std::array<Firework, kFireworkCount>;

// The bursts as the view makes them: each waits rand() % 10000 ms, with no particles yet.
Fireworks MakeFireworks();

// Launches every burst that waits for it (every burst when initial) at a random place in the
// play area, drawing from the random sequence in a fixed order; initial launches also get a
// random start delay. The caller takes the celebration's snapshot before the initial launch.
void LaunchFireworks(Fireworks& fireworks, bool initial, const Rect& playArea);

// The celebration's idle step: counts down the delays, moves the live particles with gravity
// and drag, relaunches a burst whose particles are all dead, and repaints the play area.
void FireworksStep(Fireworks& fireworks, uint32_t dt, const Rect& playArea, PlayEffects& effects);

// The frame the painter draws for a live particle: its frame value truncated, or, once that
// passes 7, frame 2 for one last time as the particle dies.
int TakeParticleFrame(Particle& particle);
