// The host of a scripted game: a clock that moves only when the script says, queued answers to
// question boxes, and the game's messages printed to standard output.
#pragma once

#include <cstdint>
#include <deque>
#include <string>

#include "game/NullHost.h"

// Stands in for the window system. Windows and presented frames are ignored, popup menus printed;
// a question with no queued answer is remembered so the script line that caused it can fail.
class PlayHost final : public NullHost {
 public:
  explicit PlayHost(DisplayMode mode) : NullHost(mode) {}

  void QueueAnswer(bool yes) { answers_.push_back(yes); }
  void AdvanceClock(uint32_t ms) { now += ms; }
  // The question asked without an answer since the last call, or "" when there was none.
  std::string TakeUnansweredQuestion();
  bool QuitAsked() const { return quitAsked_; }

  bool AskYesNo(const std::string& text) override;
  void ShowMessage(const std::string& text, MessageIcon icon) override;
  void Quit() override { quitAsked_ = true; }
  // Printed as "menu: NUMBER at X Y", so that scripts can see which menu a click opened.
  void ShowPopupMenu(PopupMenu menu, ClientPoint at) override;

 private:
  std::deque<bool> answers_;
  std::string unanswered_;
  bool quitAsked_ = false;
};

// The text with backslashes, newlines, carriage returns and tabs written as escapes, so a
// message fits on one line.
std::string EscapeLine(const std::string& text);
