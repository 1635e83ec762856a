// The host of a scripted game: a clock that moves only when the script says, queued answers to
// question boxes, and the game's messages printed to standard output.
#pragma once

#include <cstdint>
#include <deque>
#include <string>

#include "game/Host.h"

// Stands in for the window system. Windows, menus and presented frames are ignored;
// a question with no queued answer is remembered so the script line that caused it can fail.
class PlayHost final : public Host {
 public:
  explicit PlayHost(DisplayMode display) : display_(display) {}

  void QueueAnswer(bool yes) { answers_.push_back(yes); }
  void AdvanceClock(uint32_t ms) { now_ += ms; }
  // The question asked without an answer since the last call, or "" when there was none.
  std::string TakeUnansweredQuestion();
  bool QuitAsked() const { return quitAsked_; }

  void Present(const Surface&, const Rect&) override {}
  bool AskYesNo(const std::string& text) override;
  void ShowMessage(const std::string& text, MessageIcon icon) override;
  void OpenMessageWindow(const std::string&, bool) override {}
  void SetProgress(int, int, int) override {}
  void CloseMessageWindow() override {}
  void SetSplashText(const std::string&) override {}
  void ShowPauseWindow(bool) override {}
  void ShowThumbnailWindow(bool) override {}
  void SetThumbnailPicture(const Surface*, const Rect&, bool) override {}
  void MoveThumbnailWindow(const WindowRect&) override {}
  void CaptureMouse(bool) override {}
  void ShowPopupMenu(PopupMenu, ClientPoint) override {}
  void RunBackgroundDialog() override {}
  void RepaintClock() override {}
  void ShowGalleryControls(bool) override {}
  uint32_t Milliseconds() override { return now_; }
  DisplayMode CurrentDisplayMode() override { return display_; }
  void PlayJoinSound() override {}
  void Quit() override { quitAsked_ = true; }

 private:
  DisplayMode display_;
  uint32_t now_ = 0;
  std::deque<bool> answers_;
  std::string unanswered_;
  bool quitAsked_ = false;
};

// The text with backslashes, newlines, carriage returns and tabs written as escapes, so a
// message fits on one line.
std::string EscapeLine(const std::string& text);
