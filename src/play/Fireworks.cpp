// Launching and moving the fireworks; every random number comes from the one random sequence.
#include "play/Fireworks.h"

#include <algorithm>
#include <cmath>

#include "puzzle/RandomSequence.h"

namespace {

// rand() % range for a range that a very small play area can leave at 0 or below; the number
// is drawn either way so that the sequence advances the same.
int DrawBelow(int range) {
  const int v = NextRandom();
  return range > 0 ? v % range : 0;
}

void Launch(Firework& firework, bool initial, const Rect& playArea) {
  const int sprite = NextRandom() % kParticleSpriteCount;
  const int centreX = DrawBelow(playArea.Width() - 200) + 100;
  const int centreY = DrawBelow(playArea.Height() - 300) + 100;
  const int spread = NextRandom();
  firework.particles.resize(kParticlesPerFirework);
  for (Particle& p : firework.particles) {
    const double angle = (NextRandom() % 1001) * 0.00628318;
    const double speed = (NextRandom() % (spread % 200 + 500) + 10) * 0.001;
    p.frameRate = static_cast<float>(10.0 / (NextRandom() % 1000 + 1000));
    p.x = static_cast<float>(centreX);
    p.y = static_cast<float>(centreY);
    p.vx = static_cast<float>(speed * std::cos(angle));
    p.vy = static_cast<float>(speed * std::sin(angle));
    p.frame = 0;
    p.sprite = sprite;
    p.dead = false;
  }
  firework.relaunch = false;
  if (initial) firework.startDelay = NextRandom() % 3000;
}

void MoveParticle(Particle& p, double dt) {
  p.x = static_cast<float>(p.x + dt * p.vx);
  p.y = static_cast<float>(p.y + dt * p.vy);
  const double vy1 = p.vy + dt * 0.0002;  // gravity
  if (dt * 0.003 >= 1.0) {
    // A step this long (a stalled frame) would turn the drag into a push; the particle stops.
    p.vx = 0;
    p.vy = 0;
  } else {
    p.vx = static_cast<float>(p.vx - dt * p.vx * 0.003);
    p.vy = static_cast<float>(vy1 - dt * vy1 * 0.003);  // drag
  }
  p.frame = static_cast<float>(p.frame + dt * p.frameRate);
}

}  // namespace

Fireworks MakeFireworks() {
  Fireworks fireworks;
  for (Firework& firework : fireworks) {
    firework.startDelay = NextRandom() % 10000;
    firework.relaunch = true;
  }
  return fireworks;
}

void LaunchFireworks(Fireworks& fireworks, bool initial, const Rect& playArea) {
  for (Firework& firework : fireworks) {
    if (initial || firework.relaunch) Launch(firework, initial, playArea);
  }
}

void FireworksStep(Fireworks& fireworks, uint32_t dt, const Rect& playArea, PlayEffects& effects) {
  for (Firework& firework : fireworks) {
    if (firework.startDelay > 0) {
      const int64_t left = int64_t{firework.startDelay} - dt;
      firework.startDelay = static_cast<int32_t>(std::max<int64_t>(left, INT32_MIN));
      continue;
    }
    int dead = 0;
    for (Particle& p : firework.particles) {
      if (p.dead) {
        ++dead;
      } else {
        MoveParticle(p, dt);
      }
    }
    if (dead == kParticlesPerFirework) {
      firework.relaunch = true;
      LaunchFireworks(fireworks, false, playArea);
    }
  }
  effects.Repaint(playArea);
}

int TakeParticleFrame(Particle& particle) {
  // Compared before truncating, so a frame value of any size is safe.
  if (particle.frame < kLastParticleFrame + 1) return static_cast<int>(particle.frame);
  particle.dead = true;
  return 2;
}
