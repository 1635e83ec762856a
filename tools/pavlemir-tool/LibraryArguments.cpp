// Parsing the puzzle-library subcommands' options.
#include "LibraryArguments.h"

#include <cstdio>
#include <string_view>

namespace {

bool ParsePlayArea(const std::string& text, Rect& area) {
  int width = 0, height = 0;
  char end = 0;
  if (std::sscanf(text.c_str(), "%dx%d%c", &width, &height, &end) != 2 || width <= 0 ||
      height <= 0) {
    return false;
  }
  area = Rect{0, 0, width, height};
  return true;
}

bool ParseChoice(const std::string& text, int& choice) {
  if (text.size() != 1 || text[0] < '0' || text[0] > '7') return false;
  choice = text[0] - '0';
  return true;
}

// Takes the value of an option that has one; false when it is missing or refused.
bool TakeValue(std::string_view option, const std::string& value, LibraryArguments& parsed) {
  if (option == "--name") {
    parsed.name = value;
  } else if (option == "--out") {
    parsed.out = value;
  } else if (option == "--cover") {
    parsed.cover = value;
  } else if (option == "--choice") {
    int choice = 0;
    if (!ParseChoice(value, choice)) return false;
    parsed.choice = choice;
  } else if (option == "--play-area") {
    Rect area;
    if (!ParsePlayArea(value, area)) return false;
    parsed.playArea = area;
  } else if (option == "--format") {
    const auto format = PixelFormatInfo::FromName(value);
    if (!format) return false;
    parsed.format = *format;
  } else {
    return false;
  }
  return true;
}

}  // namespace

bool ParseLibraryArguments(std::span<char*> args, LibraryArguments& parsed) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    if (arg == "--rotation") {
      parsed.rotation = true;
    } else if (arg == "--bw") {
      parsed.blackAndWhite = true;
    } else if (arg.starts_with("--")) {
      if (i + 1 >= args.size() || !TakeValue(arg, args[++i], parsed)) return false;
    } else {
      parsed.positional.emplace_back(arg);
    }
  }
  return true;
}
