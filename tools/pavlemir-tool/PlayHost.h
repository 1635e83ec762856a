// The host of a scripted game: a clock that moves only when the script says, queued answers to
// question boxes, and the game's messages printed to standard output.
#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <string>

#include "game/AnsweredDialogs.h"
#include "game/NullHost.h"
#include "paint/TileFill.h"

class Game;

// The Background dialog's answer: the texture (none for the plain colour), the colour and the
// button that ends it.
struct BackgroundAnswer {
  enum class Button { Ok, Cancel, Preview };
  std::optional<int> texture;
  uint32_t colour = 0;  // red in the low byte, then green, then blue
  Button button = Button::Ok;
};

// Stands in for the window system. Windows and presented frames are ignored, popup menus printed;
// a question with no queued answer is remembered so the script line that caused it can fail.
// The gallery's dialogs take the answers queued in `dialogs` and print what they show.
class PlayHost final : public NullHost {
 public:
  explicit PlayHost(DisplayMode mode) : NullHost(mode) {}

  void QueueAnswer(bool yes) { answers_.push_back(yes); }
  // Forgets the answers no question took.
  void DropAnswers() { answers_.clear(); }
  void AdvanceClock(uint32_t ms) { now += ms; }
  // The question asked without an answer since the last call, or "" when there was none.
  std::string TakeUnansweredQuestion();
  bool QuitAsked() const { return quitAsked_; }

  bool AskYesNo(const std::string& text) override;
  void ShowMessage(const std::string& text, MessageIcon icon) override;
  void Quit() override { quitAsked_ = true; }
  // Printed as "menu: NUMBER at X Y", so that scripts can see which menu a click opened.
  void ShowPopupMenu(PopupMenu menu, ClientPoint at) override;

  std::optional<std::string> ChoosePicture(const std::string& folder,
                                           const std::string& selected) override;
  std::optional<PuzzleOptions> RunOptionsDialog(const OptionsRequest& request) override;
  std::optional<std::string> RunNameDialog(const std::string& initial,
                                           const NameRule& rule) override;
  void RunAboutDialog() override;
  // The Background dialog answers `background` on `game`: Preview shows the choice, OK shows and
  // keeps it (printed as "settings: ..."), Cancel shows the kept background again.
  void RunBackgroundDialog() override;

  AnsweredDialogs dialogs;
  std::optional<BackgroundAnswer> background;
  Game* game = nullptr;
  TileSettings storedBackground;

 private:
  void PrintDialogs();

  std::deque<bool> answers_;
  std::string unanswered_;
  bool quitAsked_ = false;
};

// The text with backslashes, newlines, carriage returns and tabs written as escapes, so a
// message fits on one line.
std::string EscapeLine(const std::string& text);
