// Queuing the answers of a line for the dialogs its command opens, and running the command.
#include "PlayDialogLines.h"

#include <charconv>
#include <filesystem>
#include <optional>
#include <span>

#include "game/GameCommands.h"

namespace {

using Words = std::vector<std::string>;

std::optional<int> Number(const std::string& word, int base = 10) {
  int value = 0;
  const char* end = word.data() + word.size();
  const auto [ptr, ec] = std::from_chars(word.data(), end, value, base);
  if (ec != std::errc() || ptr != end) return std::nullopt;
  return value;
}

// "[CHOICE] [rotation] [bw]", then the name when `withName`; "cancel" in place of the options
// cancels the options dialog, in place of the name the name dialog.
std::string QueueOptions(AnsweredDialogs& dialogs, std::span<const std::string> words,
                         bool withName) {
  if (words.empty()) return withName ? "a name is missing" : "the options are missing";
  if (words[0] == "cancel") {
    dialogs.options.push_back(std::nullopt);
    return words.size() == 1 ? "" : "nothing follows a cancelled options dialog";
  }
  PuzzleOptions options{AnsweredDialogs::kPresetChoice};
  const std::size_t end = withName ? words.size() - 1 : words.size();
  std::size_t i = 0;
  if (i < end) {
    if (const std::optional<int> choice = Number(words[i])) {
      options.choice = *choice;
      ++i;
    }
  }
  for (; i < end; ++i) {
    if (words[i] == "rotation") {
      options.rotation = true;
    } else if (words[i] == "bw") {
      options.blackAndWhite = true;
    } else {
      return "'" + words[i] + "' is neither rotation nor bw";
    }
  }
  dialogs.options.push_back(options);
  if (withName)
    dialogs.names.push_back(words.back() == "cancel" ? std::nullopt
                                                     : std::optional<std::string>(words.back()));
  return {};
}

// Runs the command with the queued answers; answers not asked for are dropped.
std::string RunWithAnswers(PlayContext& c, int command, std::string error) {
  if (error.empty() && !c.game.Command(command))
    error = "command " + std::to_string(command) + " is not handled here";
  for (const std::string& e : c.host.dialogs.TakeErrors())
    if (error.empty()) error = e;
  c.host.dialogs.ClearAnswers();
  c.host.DropAnswers();
  return error;
}

std::string InGallery(const PlayContext& c, const char* what) {
  return c.game.Mode() == ViewMode::Gallery ? "" : std::string(what) + " is in the gallery";
}

}  // namespace

std::string CreateLine(PlayContext& c, const Words& words) {
  if (words.size() < 2) return "create takes a picture (or cancel), options and a name";
  if (std::string error = InGallery(c, "create"); !error.empty()) return error;
  std::string error;
  if (words[1] == "cancel") {
    c.host.dialogs.pictures.push_back(std::nullopt);
    if (words.size() != 2) error = "nothing follows a cancelled picture chooser";
  } else {
    c.host.dialogs.pictures.push_back(std::filesystem::absolute(words[1]).string());
    error = QueueOptions(c.host.dialogs, std::span(words).subspan(2), true);
  }
  return RunWithAnswers(c, kCreateCommand, error);
}

std::string DropLine(PlayContext& c, const Words& words) {
  if (words.size() < 3) return "drop takes a picture, options and a name";
  std::string error = QueueOptions(c.host.dialogs, std::span(words).subspan(2), true);
  if (error.empty() && !c.game.DropPicture(std::filesystem::absolute(words[1]).string()))
    error = "pictures are dropped on the gallery";
  for (const std::string& e : c.host.dialogs.TakeErrors())
    if (error.empty()) error = e;
  c.host.dialogs.ClearAnswers();
  return error;
}

std::string ModifyLine(PlayContext& c, const Words& words) {
  if (std::string error = InGallery(c, "modify"); !error.empty()) return error;
  return RunWithAnswers(c, kModifyCommand,
                        QueueOptions(c.host.dialogs, std::span(words).subspan(1), false));
}

std::string RenameLine(PlayContext& c, const Words& words) {
  if (words.size() != 2) return "rename takes a name (or cancel)";
  if (std::string error = InGallery(c, "rename"); !error.empty()) return error;
  c.host.dialogs.names.push_back(words[1] == "cancel" ? std::nullopt
                                                      : std::optional<std::string>(words[1]));
  return RunWithAnswers(c, kRenameCommand, {});
}

std::string RemoveLine(PlayContext& c, const Words& words) {
  if (words.size() != 2 || (words[1] != "yes" && words[1] != "no")) return "remove takes yes or no";
  if (std::string error = InGallery(c, "remove"); !error.empty()) return error;
  c.host.QueueAnswer(words[1] == "yes");
  return RunWithAnswers(c, kRemoveCommand, {});
}

std::string BackgroundLine(PlayContext& c, const Words& words) {
  const char* usage =
      "background takes a texture 0..8 or none, a colour 0xRRGGBB, and ok, "
      "cancel or preview";
  if (words.size() != 4) return usage;
  BackgroundAnswer answer;
  if (words[1] != "none") {
    answer.texture = Number(words[1]);
    if (!answer.texture || *answer.texture < 0 || *answer.texture > 8) return usage;
  }
  const std::optional<int> rgb = words[2].size() == 8 && words[2].rfind("0x", 0) == 0
                                     ? Number(words[2].substr(2), 16)
                                     : std::nullopt;
  if (!rgb) return usage;
  // The setting keeps red in the low byte.
  const auto value = static_cast<uint32_t>(*rgb);
  answer.colour = (value >> 16 & 0xFF) | (value & 0xFF00) | (value & 0xFF) << 16;
  if (words[3] == "ok") {
    answer.button = BackgroundAnswer::Button::Ok;
  } else if (words[3] == "cancel") {
    answer.button = BackgroundAnswer::Button::Cancel;
  } else if (words[3] == "preview") {
    answer.button = BackgroundAnswer::Button::Preview;
  } else {
    return usage;
  }
  c.host.background = answer;
  c.game.Command(kOptionsCommand);
  const bool opened = !c.host.background.has_value();
  c.host.background.reset();
  return opened ? "" : "the Background dialog did not open";
}
