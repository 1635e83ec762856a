// Test helper: a Host that records every call the game makes and answers from a script.
#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "game/AnsweredDialogs.h"
#include "game/NullHost.h"

// One call on the message window, in the order the game made them.
struct MessageWindowCall {
  enum class Kind { Open, Progress, Close };
  Kind kind = Kind::Open;
  std::string text;  // Open
  bool withProgress = false;
  int lower = 0;  // Progress
  int upper = 0;
  int position = 0;
};

// A message box with one button.
struct ShownMessage {
  std::string text;
  MessageIcon icon = MessageIcon::Error;
};

// A picture given to the thumbnail window.
struct ThumbnailPictureCall {
  const Surface* picture = nullptr;
  Rect source;
  bool placeDefault = false;
};

// A popup menu opened at a point.
struct PopupCall {
  PopupMenu menu = PopupMenu::Gallery;
  ClientPoint at;
};

// A settable clock, a queue of Yes/No answers (a question without a queued answer fails the
// test and is answered No), and a record of everything shown.
class FakeHost final : public NullHost {
 public:
  FakeHost() { now = 1000; }
  void Present(const Surface& backSurface, const Rect& rect) override;
  void ScrollPresented(const Rect& area, int dy) override { scrolls.push_back({area, dy}); }
  bool AskYesNo(const std::string& text) override;
  void ShowMessage(const std::string& text, MessageIcon icon) override;
  void OpenMessageWindow(const std::string& text, bool withProgress) override;
  void SetProgress(int lower, int upper, int position) override;
  void CloseMessageWindow() override;
  void SetSplashText(const std::string& text) override { splashTexts.push_back(text); }
  void ShowPauseWindow(bool shown) override;
  void ShowThumbnailWindow(bool shown) override { thumbnailShown = shown; }
  void SetThumbnailPicture(const Surface* picture, const Rect& source, bool placeDefault) override;
  void MoveThumbnailWindow(const WindowRect& rect) override { thumbnailMoves.push_back(rect); }
  void CaptureMouse(bool captured) override { mouseCaptured = captured; }
  void ShowPopupMenu(PopupMenu menu, ClientPoint at) override { popups.push_back({menu, at}); }
  void RunBackgroundDialog() override { ++backgroundDialogs; }
  void RepaintClock() override { ++clockRepaints; }
  void ShowGalleryControls(bool shown) override { galleryControls = shown; }
  void SetScrollBar(GalleryBar bar, const ScrollBarState& state) override {
    (bar == GalleryBar::Packs ? packsBar : puzzlesBar) = state;
  }
  void StartIdle() override { ++idleStarts; }
  void PlayJoinSound() override { ++joinSounds; }
  void Quit() override { ++quits; }
  std::optional<std::string> ChoosePicture(const std::string& folder,
                                           const std::string& selected) override {
    return dialogs.ChoosePicture(folder, selected);
  }
  std::optional<PuzzleOptions> RunOptionsDialog(const OptionsRequest& request) override {
    return dialogs.RunOptionsDialog(request);
  }
  std::optional<std::string> RunNameDialog(const std::string& initial,
                                           const NameRule& rule) override {
    return dialogs.RunNameDialog(initial, rule);
  }

  // The message window calls since `from`, only those of one kind.
  std::vector<MessageWindowCall> WindowCalls(MessageWindowCall::Kind kind,
                                             std::size_t from = 0) const;
  // The texts of the message windows opened since call number `from`.
  std::vector<std::string> OpenedWindows(std::size_t from = 0) const;
  // Forgets what was recorded (the script and the clock stay).
  void ClearRecords();

  // The script (and `now` and `display` of the null host).
  std::deque<bool> answers;
  AnsweredDialogs dialogs;

  // The records.
  std::vector<Rect> presents;
  std::vector<std::pair<Rect, int>> scrolls;
  std::vector<std::string> questions;
  std::vector<ShownMessage> messages;
  std::vector<MessageWindowCall> windowCalls;
  bool messageWindowOpen = false;
  std::vector<std::string> splashTexts;
  bool pauseShown = false;
  int pauseWindowCalls = 0;
  bool thumbnailShown = false;
  std::vector<ThumbnailPictureCall> thumbnailPictures;
  std::vector<WindowRect> thumbnailMoves;
  bool mouseCaptured = false;
  std::vector<PopupCall> popups;
  int backgroundDialogs = 0;
  int clockRepaints = 0;
  std::optional<bool> galleryControls;
  int joinSounds = 0;
  int quits = 0;
  ScrollBarState packsBar;
  ScrollBarState puzzlesBar;
  int idleStarts = 0;
};
