// The scripted game's host: answers, messages and the script-driven clock.
#include "PlayHost.h"

#include <cstdio>
#include <utility>

#include "game/Game.h"

std::string EscapeLine(const std::string& text) {
  std::string escaped;
  for (const char c : text) {
    switch (c) {
      case '\\':
        escaped += "\\\\";
        break;
      case '\n':
        escaped += "\\n";
        break;
      case '\r':
        escaped += "\\r";
        break;
      case '\t':
        escaped += "\\t";
        break;
      default:
        escaped += c;
    }
  }
  return escaped;
}

std::string PlayHost::TakeUnansweredQuestion() {
  return std::exchange(unanswered_, {});
}

bool PlayHost::AskYesNo(const std::string& text) {
  if (answers_.empty()) {
    unanswered_ = text;
    return false;
  }
  const bool yes = answers_.front();
  answers_.pop_front();
  return yes;
}

void PlayHost::ShowMessage(const std::string& text, MessageIcon) {
  std::printf("message: %s\n", EscapeLine(text).c_str());
  std::fflush(stdout);
}

void PlayHost::ShowPopupMenu(PopupMenu menu, ClientPoint at) {
  std::printf("menu: %d at %d %d\n", static_cast<int>(menu), at.x, at.y);
  std::fflush(stdout);
}

void PlayHost::PrintDialogs() {
  for (const std::string& line : dialogs.TakeRecord())
    std::printf("dialog: %s\n", EscapeLine(line).c_str());
  std::fflush(stdout);
}

std::optional<std::string> PlayHost::ChoosePicture(const std::string& folder,
                                                   const std::string& selected) {
  auto answer = dialogs.ChoosePicture(folder, selected);
  PrintDialogs();
  return answer;
}

std::optional<PuzzleOptions> PlayHost::RunOptionsDialog(const OptionsRequest& request) {
  auto answer = dialogs.RunOptionsDialog(request);
  PrintDialogs();
  return answer;
}

std::optional<std::string> PlayHost::RunNameDialog(const std::string& initial,
                                                   const NameRule& rule) {
  auto answer = dialogs.RunNameDialog(initial, rule);
  PrintDialogs();
  return answer;
}

void PlayHost::RunAboutDialog() {
  dialogs.RunAboutDialog();
  PrintDialogs();
}

void PlayHost::RunBackgroundDialog() {
  std::printf("dialog: background\n");
  const std::optional<BackgroundAnswer> answer = std::exchange(background, std::nullopt);
  if (game == nullptr || !answer) return;
  const TileSettings chosen{answer->colour, answer->texture.has_value(),
                            answer->texture.value_or(storedBackground.textureIndex)};
  switch (answer->button) {
    case BackgroundAnswer::Button::Preview:
      game->SetBackground(chosen);
      break;
    case BackgroundAnswer::Button::Ok:
      game->SetBackground(chosen);
      storedBackground = chosen;
      std::printf("settings: texture %d colour 0x%06X texture enabled %d\n", chosen.textureIndex,
                  chosen.colour, chosen.textureEnabled ? 1 : 0);
      break;
    case BackgroundAnswer::Button::Cancel:
      game->SetBackground(storedBackground);
      break;
  }
  std::fflush(stdout);
}
