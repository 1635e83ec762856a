// The options of the puzzle-library subcommands (create, pack, check).
#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "surface/PixelFormat.h"
#include "surface/Rect.h"

struct LibraryArguments {
  std::vector<std::string> positional;
  std::optional<std::string> name;                    // --name
  std::optional<std::string> out;                     // --out
  std::optional<std::string> cover;                   // --cover
  std::optional<int> choice;                          // --choice 0..7
  bool rotation = false;                              // --rotation
  bool blackAndWhite = false;                         // --bw
  std::optional<Rect> playArea;                       // --play-area WxH, taken as (0, 0)-(W, H)
  PixelFormatInfo format = PixelFormatInfo::Rgb32();  // --format 32|24|565|555
};

// False for an unknown option, an option without its value or a value out of range.
bool ParseLibraryArguments(std::span<char*> args, LibraryArguments& parsed);
