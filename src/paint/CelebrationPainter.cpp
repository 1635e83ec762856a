// The celebration's frame and the sparkle.
#include "paint/CelebrationPainter.h"

#include "paint/PaintBitmaps.h"

namespace {

// Particles can fly far off with a long idle step; positions that do not fit an int are not
// drawn rather than converted.
bool Drawable(float v) {
  return v > -1.0e9f && v < 1.0e9f;
}

PaintStatus DrawParticle(PaintResources& resources, Particle& particle, const Rect& clip) {
  if (particle.sprite < 0 || particle.sprite >= kParticleSpriteCount) return PaintStatus::Done;
  const int k = TakeParticleFrame(particle);
  if (!Drawable(particle.x) || !Drawable(particle.y)) return PaintStatus::Done;
  const Surface* sprite =
      resources.particleSprites[static_cast<std::size_t>(particle.sprite)].get();
  const Rect source{kParticleSide * k, 0, kParticleSide * k + kParticleSide, kParticleSide};
  return CopyClipped(*resources.backSurface, sprite, source, static_cast<int>(particle.x),
                     static_cast<int>(particle.y), clip, BlitKey::Source);
}

}  // namespace

PaintStatus PaintCelebration(PaintResources& resources, Fireworks& fireworks, const Rect& rect) {
  if (!resources.backSurface) return PaintStatus::Done;
  Surface& back = *resources.backSurface;
  const Rect clip = rect.Intersected(back.Bounds());
  if (clip.IsEmpty()) return PaintStatus::Done;
  const Surface* snapshot = resources.snapshotSurface.get();
  PaintStatus status = snapshot == nullptr ? PaintStatus::Done
                                           : CopyClipped(back, snapshot, snapshot->Bounds(), 0, 0,
                                                         clip, BlitKey::None);
  for (Firework& firework : fireworks) {
    if (!firework.Shows()) continue;
    for (Particle& particle : firework.particles) {
      if (!particle.dead) status = status | DrawParticle(resources, particle, clip);
    }
  }
  return status;
}

PaintStatus PaintSparkle(PaintResources& resources, const Sparkle& sparkle, const Rect& playArea) {
  if (!resources.backSurface || !(sparkle.frame >= 0.0f && sparkle.frame < kSparkleFrameCount))
    return PaintStatus::Done;
  Surface& back = *resources.backSurface;
  const int k = static_cast<int>(sparkle.frame);
  const Rect source{kSparkleWidth * k, 0, kSparkleWidth * k + kSparkleWidth, kSparkleHeight};
  return CopyClipped(back, resources.sparkleSprite.get(), source, sparkle.x, sparkle.y,
                     playArea.Intersected(back.Bounds()), BlitKey::Source);
}
