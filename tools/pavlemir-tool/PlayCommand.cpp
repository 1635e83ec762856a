// pavlemir-tool play: the game run headless from a script, writing pictures and state files.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>

#include "PlayHost.h"
#include "PlayScript.h"
#include "QtTextPainter.h"
#include "Subcommand.h"
#include "TextApplication.h"
#include "assets/EmbeddedBitmaps.h"
#include "puzzle/RandomSequence.h"

namespace {

namespace fs = std::filesystem;

constexpr const char* kUsage =
    "usage: pavlemir-tool play --root DIR [--screen WxH] [--view WxH] [--format 32|24|565|555]\n"
    "                          [--seed S] [--script FILE] --out OUTDIR\n"
    "\n"
    "Runs the game without a window, with DIR as the program folder (its Puzzles folder is\n"
    "loaded by the first paint), a view of --view pixels (default: the screen), a display mode\n"
    "of --screen pixels (default 1024x768) in the --format depth (default 32), the random\n"
    "sequence seeded with S (default 1), and a millisecond clock that moves only with `idle`.\n"
    "The script (default: standard input) has one command a line; # starts a comment. Words are\n"
    "separated by spaces; a \"quoted word\" may hold spaces (\\\" and \\\\ inside quotes).\n"
    "  select PACK PUZZLE   pick a pack and its puzzle by name (in the gallery)\n"
    "  command ID           a numeric menu command (32821 Play, 32823 Scatter, 32829 Back,\n"
    "                       32852 Pause, 32827 Ghost, 32828 Thumbnail, 32843-32845 arrange,\n"
    "                       32861 Edge pieces apart, 32862 Undo, 32863 Redo);\n"
    "                       fails when the game does not handle it in the current mode\n"
    "  answer yes|no        the answer to the next question box; a question with no answer\n"
    "                       queued fails its line\n"
    "  press|move|release|rpress|rrelease|dblclick X Y   mouse at view point (X, Y)\n"
    "  rclick X Y           the right button down and up at (X, Y); a popup menu it opens is\n"
    "                       printed as \"menu: NUMBER at X Y\" (134 gallery, 250 play)\n"
    "  scroll packs|puzzles CODE [POS]   a gallery scroll bar's code: lineup, linedown,\n"
    "                       pageup, pagedown, or track with the thumb's position POS\n"
    "  key NAME             a key: Escape, Ctrl+Z (undo), Ctrl+Shift+Z or Ctrl+Y (redo)\n"
    "  undo|redo            take back the last change to the field, or make it again; fails\n"
    "                       when there is none (nothing done, a celebration, a held group)\n"
    "  create PICTURE [CHOICE] [rotation] [bw] NAME   Create, answering the picture chooser\n"
    "                       (PICTURE), the options dialog (piece-count choice 0..7, default\n"
    "                       the one it offers first; the check boxes named are ticked) and\n"
    "                       the name dialog; `cancel` in place of a step cancels it. Each\n"
    "                       dialog shown is printed as \"dialog: ...\"; one shown again\n"
    "                       (a picture that fails, a name refused) is cancelled\n"
    "  drop PICTURE [CHOICE] [rotation] [bw] NAME   the picture dropped on the gallery\n"
    "  modify CHOICE [rotation] [bw] | modify cancel   Modify with those options\n"
    "  rename NAME|cancel   Rename, answering the name dialog\n"
    "  remove yes|no        Remove, answering its question\n"
    "  background TEXTURE|none 0xRRGGBB ok|cancel|preview   Options: the Background\n"
    "                       dialog's texture 0..8 (none: the plain colour), colour (red,\n"
    "                       green, blue) and button; preview shows the choice and keeps the\n"
    "                       settings, ok keeps it (printed as \"settings: ...\"), cancel shows\n"
    "                       the kept background again\n"
    "  idle MS              the idle step every 16 ms of the clock until MS ms have passed\n"
    "  drag GROUP X Y       drag group GROUP (index in drawing order) so that its first piece\n"
    "                       ends at (X, Y); fails when no point of the group can be picked\n"
    "  solve [JITTER]       play the puzzle to its end with the mouse, each drop off by up to\n"
    "                       JITTER (0..9, default 0) pixels per axis\n"
    "  shot NAME            the composed frame as OUTDIR/NAME.ppm\n"
    "  state NAME           the game's state as OUTDIR/NAME.json: the view mode, the\n"
    "                       gallery's currentPack, currentPuzzle (names or null), packScroll\n"
    "                       and puzzleScroll, the current pack's puzzles, the background\n"
    "                       (backgroundColour, textureEnabled, texture), then the current or\n"
    "                       open puzzle's state\n"
    "  quit                 end as the player's Exit does, saving every puzzle; exits 1 when\n"
    "                       any could not be saved; later lines are not read\n"
    "A script that ends without quit ends the program without saving anything, as a killed\n"
    "program would. Texts are drawn with Qt: without QT_QPA_PLATFORM set, the offscreen platform\n"
    "serves. A line that cannot run prints \"line N: reason\" to standard error and ends\n"
    "the program with status 1. Messages the game shows are printed to standard output as\n"
    "\"message: TEXT\" with newlines written as \\n.\n";

// The options of one run.
struct PlayArguments {
  std::string root;
  std::string out;
  std::optional<std::string> script;
  int screenWidth = 1024;
  int screenHeight = 768;
  std::optional<int> viewWidth;
  int viewHeight = 0;
  PixelFormatInfo format = PixelFormatInfo::Rgb32();
  uint32_t seed = 1;
};

bool ParseSize(const std::string& text, int& width, int& height) {
  int consumed = 0;
  if (std::sscanf(text.c_str(), "%dx%d%n", &width, &height, &consumed) != 2) return false;
  return consumed == static_cast<int>(text.size()) && width > 0 && height > 0 && width <= 16384 &&
         height <= 16384;
}

bool ParseOption(const std::string& name, const std::string& value, PlayArguments& parsed) {
  if (name == "--root")
    parsed.root = value;
  else if (name == "--out")
    parsed.out = value;
  else if (name == "--script")
    parsed.script = value;
  else if (name == "--screen")
    return ParseSize(value, parsed.screenWidth, parsed.screenHeight);
  else if (name == "--view") {
    int width = 0;
    if (!ParseSize(value, width, parsed.viewHeight)) return false;
    parsed.viewWidth = width;
  } else if (name == "--format") {
    const auto format = PixelFormatInfo::FromName(value);
    if (!format) return false;
    parsed.format = *format;
  } else if (name == "--seed") {
    unsigned long seed = 0;
    int consumed = 0;
    if (std::sscanf(value.c_str(), "%lu%n", &seed, &consumed) != 1 ||
        consumed != static_cast<int>(value.size()) || seed > 0xFFFFFFFFul)
      return false;
    parsed.seed = static_cast<uint32_t>(seed);
  } else {
    return false;
  }
  return true;
}

bool ParseArguments(std::span<char*> args, PlayArguments& parsed) {
  for (std::size_t i = 0; i < args.size(); i += 2) {
    if (i + 1 >= args.size() || !ParseOption(args[i], args[i + 1], parsed)) return false;
  }
  if (!parsed.viewWidth) {
    parsed.viewWidth = parsed.screenWidth;
    parsed.viewHeight = parsed.screenHeight;
  }
  return !parsed.root.empty() && !parsed.out.empty();
}

int RunScript(std::istream& script, PlayContext& context) {
  std::string line, error;
  std::vector<std::string> words;
  for (int number = 1; std::getline(script, line); ++number) {
    LineResult result;
    if (!SplitLine(line, words, error)) {
      result.error = error;
    } else if (!words.empty()) {
      result = RunLine(context, words);
    }
    if (!result.error.empty()) {
      std::fprintf(stderr, "line %d: %s\n", number, result.error.c_str());
      return 1;
    }
    if (result.quit) return result.exitStatus;
  }
  return 0;
}

int RunPlay(std::span<char*> args) {
  if (args.size() == 1 && std::string(args[0]) == "--help") {
    std::fputs(kUsage, stdout);
    return 0;
  }
  PlayArguments parsed;
  if (!ParseArguments(args, parsed)) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  std::ifstream file;
  if (parsed.script) {
    file.open(*parsed.script);
    if (!file) {
      std::fprintf(stderr, "pavlemir-tool: cannot read %s\n", parsed.script->c_str());
      return 1;
    }
  }
  std::error_code error;
  fs::create_directories(parsed.out, error);
  SeedRandom(parsed.seed);
  SurfaceService service(parsed.format);
  EmbeddedBitmaps bitmaps;
  PlayHost host({parsed.screenWidth, parsed.screenHeight, parsed.format.bitsPerPixel});
  const std::string root = fs::absolute(parsed.root, error).string();
  const TextApplication application;
  QtTextPainter text;
  Game game(host, service, bitmaps,
            GameSetup{root, *parsed.viewWidth, parsed.viewHeight, kFirstRunBackground, &text});
  game.Start();
  host.game = &game;
  host.storedBackground = kFirstRunBackground;
  PlayContext context{game, host, parsed.out, parsed.seed};
  return RunScript(parsed.script ? file : std::cin, context);
}

const SubcommandRegistration kPlay({"play",
                                    "--root DIR [--screen WxH] [--view WxH] [--format F] "
                                    "[--seed S] [--script FILE] --out OUTDIR",
                                    "run the game headless from a script of mouse and menu "
                                    "commands",
                                    RunPlay});

}  // namespace
