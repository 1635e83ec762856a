// The play clock's arithmetic.
#include "play/PlayClock.h"

#include <algorithm>

void StartClock(PlayClock& clock, const ClockReading& saved, uint32_t now) {
  clock.shown = saved;
  const uint64_t seconds = saved.seconds + (saved.minutes + uint64_t{saved.hours} * 60) * 60;
  clock.elapsedMs = seconds * 1000;
  clock.lastTick = now;
}

uint32_t TakeTick(PlayClock& clock, uint32_t now) {
  const uint32_t dt = now - clock.lastTick;
  clock.lastTick = now;
  return dt;
}

ClockReading ReadClock(uint64_t elapsedMs) {
  const uint64_t s = std::min(elapsedMs / 1000, kClockLimitSeconds);
  return {static_cast<uint16_t>(s / 3600), static_cast<uint16_t>(s / 60 % 60),
          static_cast<uint16_t>(s % 60)};
}

bool AdvanceClock(PlayClock& clock, uint32_t dt, bool running) {
  if (running) clock.elapsedMs += dt;
  const ClockReading reading = ReadClock(clock.elapsedMs);
  if (reading == clock.shown) return false;
  clock.shown = reading;
  return true;
}
