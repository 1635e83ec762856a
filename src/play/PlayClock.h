// The play clock: milliseconds of play and the hours, minutes and seconds last shown.
#pragma once

#include <cstdint>

// The longest time the puzzle file can hold: 65535 hours, 59 minutes and 59 seconds. The clock
// stops there instead of wrapping.
inline constexpr uint64_t kClockLimitSeconds = 65535ull * 3600 + 59 * 60 + 59;

struct ClockReading {
  uint16_t hours = 0;
  uint16_t minutes = 0;
  uint16_t seconds = 0;
  bool operator==(const ClockReading&) const = default;
};

// Counts in 64 bits, so that a puzzle played over many evenings keeps its time; lastTick is the
// last value of the 32-bit millisecond clock seen by the idle step.
struct PlayClock {
  uint64_t elapsedMs = 0;
  uint32_t lastTick = 0;
  ClockReading shown;
};

// Starts the clock at a saved time (game start), with `now` as the last tick.
void StartClock(PlayClock& clock, const ClockReading& saved, uint32_t now);

// Milliseconds since the last tick, which becomes `now`. Correct across a wrap of the clock.
uint32_t TakeTick(PlayClock& clock, uint32_t now);

// The time `elapsedMs` shows: whole seconds split into hours, minutes and seconds, held at
// kClockLimitSeconds.
ClockReading ReadClock(uint64_t elapsedMs);

// Adds dt while running, then takes the reading; true when the shown values changed (the
// caller then repaints the clock).
bool AdvanceClock(PlayClock& clock, uint32_t dt, bool running);
