// The display's scale on high-density screens: the --scale switch, its setting and the factor.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

// What the player chose: the game decides by the screen (auto), or always runs at the device's
// resolution (1), or always at half of it shown twice as large (2).
enum class ScaleChoice : uint8_t { Auto = 0, One = 1, Two = 2 };

// "auto", "1" or "2"; none for anything else.
std::optional<ScaleChoice> ScaleChoiceNamed(const std::string& text);

// The --scale switch of a command line ("--scale X" or "--scale=X"): the choice it names, none
// when it is absent, and an error text when its value names no choice.
struct ScaleSwitch {
  std::optional<ScaleChoice> choice;
  std::string error;
};
ScaleSwitch ScaleSwitchOf(int argc, const char* const* argv);

// From a screen whose device pixel ratio is 1.5 or more on, the whole display runs at half the
// device resolution and is shown scaled up by two, so pieces, buttons and text keep their size.
inline constexpr double kHighDensityRatio = 1.5;

// The factor the display runs at: 2 when chosen, or by choice auto on a high-density screen.
int ScaleFactorFor(ScaleChoice choice, double deviceRatio);

// The device pixel ratio of the primary screen as the platform reports it, read with a short
// application of its own before the game's (which must not exist yet).
double MeasureDeviceRatio(int argc, char** argv);

// Before the game's application is made: the platform's own scaling is off and the display runs
// at exactly `factor`. Everything the game sees of the screen is then in scaled pixels.
void ApplyScaleFactor(int factor);
