// Parsing script lines and carrying out each command on the game.
#include "PlayScript.h"

#include <charconv>
#include <cstdio>
#include <optional>

#include "PlayDialogLines.h"
#include "PlayMoves.h"
#include "PlayOutput.h"
#include "PlaySolver.h"
#include "SurfacePpm.h"
#include "game/GameCommands.h"

namespace {

constexpr uint32_t kIdleStepMs = 16;
constexpr int kMaxJitter = 9;

using Words = std::vector<std::string>;

std::optional<int> Number(const std::string& word) {
  int value = 0;
  const char* end = word.data() + word.size();
  const auto [ptr, ec] = std::from_chars(word.data(), end, value);
  if (ec != std::errc() || ptr != end) return std::nullopt;
  return value;
}

// The numbers after the command word, exactly `count` of them.
bool Numbers(const Words& words, std::size_t count, std::vector<int>& values, std::string& error) {
  if (words.size() != count + 1) {
    error = words[0] + " takes " + std::to_string(count) + " number(s)";
    return false;
  }
  for (std::size_t i = 1; i < words.size(); ++i) {
    const auto value = Number(words[i]);
    if (!value) {
      error = "'" + words[i] + "' is not a number";
      return false;
    }
    values.push_back(*value);
  }
  return true;
}

std::string Select(PlayContext& c, const Words& words) {
  if (words.size() != 3) return "select takes a pack name and a puzzle name";
  if (c.game.Mode() != ViewMode::Gallery) return "puzzles are selected in the gallery";
  for (const auto& pack : c.game.Library().packs) {
    if (pack->name != words[1]) continue;
    for (const auto& puzzle : pack->puzzles) {
      if (puzzle->name != words[2]) continue;
      c.game.SelectPuzzle(pack.get(), puzzle.get());
      return {};
    }
    return "pack '" + words[1] + "' has no puzzle '" + words[2] + "'";
  }
  return "there is no pack '" + words[1] + "'";
}

std::string Answer(PlayContext& c, const Words& words) {
  if (words.size() != 2 || (words[1] != "yes" && words[1] != "no")) return "answer takes yes or no";
  c.host.QueueAnswer(words[1] == "yes");
  return {};
}

std::string Pointer(PlayContext& c, const Words& words) {
  std::vector<int> v;
  std::string error;
  if (!Numbers(words, 2, v, error)) return error;
  const ClientPoint p{v[0], v[1]};
  const std::string& name = words[0];
  if (name == "press") c.game.LeftButtonDown(p);
  if (name == "move") c.game.MouseMove(p);
  if (name == "release") c.game.LeftButtonUp(p);
  if (name == "rpress") c.game.RightButtonDown(p);
  if (name == "rrelease") c.game.RightButtonUp(p);
  if (name == "dblclick") c.game.LeftDoubleClick(p);
  return {};
}

// A right click: the button goes down and up at one point.
std::string RightClick(PlayContext& c, const Words& words) {
  std::vector<int> v;
  std::string error;
  if (!Numbers(words, 2, v, error)) return error;
  c.game.RightButtonDown({v[0], v[1]});
  c.game.RightButtonUp({v[0], v[1]});
  return {};
}

std::optional<ScrollCode> ScrollCodeNamed(const std::string& name) {
  if (name == "lineup") return ScrollCode::LineUp;
  if (name == "linedown") return ScrollCode::LineDown;
  if (name == "pageup") return ScrollCode::PageUp;
  if (name == "pagedown") return ScrollCode::PageDown;
  if (name == "track") return ScrollCode::ThumbTrack;
  return std::nullopt;
}

std::string Scroll(PlayContext& c, const Words& words) {
  const char* usage = "scroll takes packs or puzzles, a code, and a position after track";
  if (words.size() < 3 || (words[1] != "packs" && words[1] != "puzzles")) return usage;
  const std::optional<ScrollCode> code = ScrollCodeNamed(words[2]);
  if (!code) return "unknown scroll code '" + words[2] + "'";
  const bool track = *code == ScrollCode::ThumbTrack;
  if (words.size() != (track ? 4u : 3u)) return usage;
  const std::optional<int> position = track ? Number(words[3]) : 0;
  if (!position) return "'" + words[3] + "' is not a number";
  if (c.game.Mode() != ViewMode::Gallery) return "the scroll bars are in the gallery";
  c.game.Scroll(words[1] == "packs" ? GalleryBar::Packs : GalleryBar::Puzzles, *code, *position);
  return {};
}

struct NamedKey {
  const char* name;
  int key;
  int modifiers;
};

constexpr NamedKey kKeys[] = {
    {"Escape", kEscapeKey, kNoModifier},
    {"Ctrl+Z", kZKey, kControlModifier},
    {"Ctrl+Shift+Z", kZKey, kControlModifier | kShiftModifier},
    {"Ctrl+Y", kYKey, kControlModifier},
};

std::string Key(PlayContext& c, const Words& words) {
  if (words.size() != 2) return "key takes a key name";
  for (const NamedKey& key : kKeys) {
    if (words[1] != key.name) continue;
    c.game.KeyDown(key.key, key.modifiers);
    return {};
  }
  return "unknown key '" + words[1] + "'";
}

// Undo and redo as the menu gives them: a step that cannot be taken fails the line.
std::string UndoRedo(PlayContext& c, const Words& words) {
  if (words.size() != 1) return words[0] + " takes nothing";
  const bool undo = words[0] == "undo";
  const int id = undo ? kUndoCommand : kRedoCommand;
  if (!c.game.QueryCommand(id).enabled)
    return std::string("there is nothing to ") + (undo ? "undo" : "redo") + " now";
  c.game.Command(id);
  return {};
}

std::string Command(PlayContext& c, const Words& words) {
  std::vector<int> v;
  std::string error;
  if (!Numbers(words, 1, v, error)) return error;
  if (!c.game.Command(v[0])) return "command " + words[1] + " is not handled here";
  return {};
}

std::string Idle(PlayContext& c, const Words& words) {
  std::vector<int> v;
  std::string error;
  if (!Numbers(words, 1, v, error)) return error;
  if (v[0] < 0) return "idle takes a number of milliseconds, 0 or more";
  for (uint32_t left = static_cast<uint32_t>(v[0]); left > 0;) {
    const uint32_t step = left < kIdleStepMs ? left : kIdleStepMs;
    c.host.AdvanceClock(step);
    c.game.Idle();
    left -= step;
  }
  return {};
}

std::string Drag(PlayContext& c, const Words& words) {
  std::vector<int> v;
  std::string error;
  if (!Numbers(words, 3, v, error)) return error;
  return DragGroupTo(c.game, v[0], {v[1], v[2]});
}

std::string Solve(PlayContext& c, const Words& words) {
  if (words.size() > 2) return "solve takes at most one number";
  int jitter = 0;
  if (words.size() == 2) {
    const auto value = Number(words[1]);
    if (!value || *value < 0 || *value > kMaxJitter) return "solve takes a jitter of 0 to 9";
    jitter = *value;
  }
  return SolvePuzzle(c.game, jitter, c.seed + static_cast<uint32_t>(c.solves++));
}

std::string Shot(PlayContext& c, const Words& words) {
  if (words.size() != 2) return "shot takes a name";
  const Surface* back = c.game.BackSurface();
  if (back == nullptr) return "there is no composed frame";
  const std::filesystem::path path = c.outDir / (words[1] + ".ppm");
  return WriteSurfacePpm(path, *back) ? "" : "cannot write " + path.string();
}

std::string State(PlayContext& c, const Words& words) {
  if (words.size() != 2) return "state takes a name";
  const std::filesystem::path path = c.outDir / (words[1] + ".json");
  return WriteStateJson(path, c.game) ? "" : "cannot write " + path.string();
}

LineResult Quit(PlayContext& c, const Words& words) {
  if (words.size() != 1) return {"quit takes nothing"};
  LineResult result;
  result.quit = true;
  for (const SaveFailure& failure : c.game.Shutdown()) {
    std::fprintf(stderr, "not saved: %s: %s\n", failure.path.c_str(), failure.reason.c_str());
    result.exitStatus = 1;
  }
  return result;
}

struct CommandEntry {
  const char* name;
  std::string (*run)(PlayContext&, const Words&);
};

constexpr CommandEntry kCommands[] = {
    {"select", Select},
    {"answer", Answer},
    {"command", Command},
    {"press", Pointer},
    {"move", Pointer},
    {"release", Pointer},
    {"rpress", Pointer},
    {"rrelease", Pointer},
    {"dblclick", Pointer},
    {"key", Key},
    {"idle", Idle},
    {"drag", Drag},
    {"solve", Solve},
    {"shot", Shot},
    {"state", State},
    {"rclick", RightClick},
    {"scroll", Scroll},
    {"create", CreateLine},
    {"drop", DropLine},
    {"modify", ModifyLine},
    {"rename", RenameLine},
    {"remove", RemoveLine},
    {"background", BackgroundLine},
    {"undo", UndoRedo},
    {"redo", UndoRedo},
};

}  // namespace

bool SplitLine(const std::string& line, std::vector<std::string>& words, std::string& error) {
  words.clear();
  std::size_t i = 0;
  while (i < line.size()) {
    const char c = line[i];
    if (c == ' ' || c == '\t' || c == '\r') {
      ++i;
    } else if (c == '#') {
      break;
    } else if (c == '"') {
      std::string word;
      for (++i; i < line.size() && line[i] != '"'; ++i) {
        if (line[i] == '\\' && i + 1 < line.size()) ++i;
        word += line[i];
      }
      if (i >= line.size()) {
        error = "a quoted word has no closing quote";
        return false;
      }
      ++i;
      words.push_back(word);
    } else {
      const std::size_t end = line.find_first_of(" \t\r#", i);
      words.push_back(line.substr(i, end == std::string::npos ? std::string::npos : end - i));
      i = end == std::string::npos ? line.size() : end;
    }
  }
  return true;
}

LineResult RunLine(PlayContext& context, const std::vector<std::string>& words) {
  if (words[0] == "quit") return Quit(context, words);
  for (const CommandEntry& entry : kCommands) {
    if (words[0] != entry.name) continue;
    LineResult result{entry.run(context, words)};
    const std::string question = context.host.TakeUnansweredQuestion();
    if (result.error.empty() && !question.empty())
      result.error = "a question with no answer queued: " + EscapeLine(question);
    if (result.error.empty() && context.host.QuitAsked())
      result.error = "the game asked to end (the display depth changed)";
    return result;
  }
  return {"unknown command '" + words[0] + "'"};
}
