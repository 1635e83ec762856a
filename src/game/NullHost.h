// A host that shows nothing, answers No and cancels every dialog: the base of the headless hosts.
#pragma once

#include "game/Host.h"

// Every window call does nothing, questions are answered No, dialogs are cancelled, the clock
// stands still at `now` and the display mode is the one given. Headless hosts override what they
// watch.
class NullHost : public Host {
 public:
  explicit NullHost(DisplayMode mode = {1024, 768, 32}) : display(mode) {}

  void Present(const Surface&, const Rect&) override {}
  void ScrollPresented(const Rect&, int) override {}
  bool AskYesNo(const std::string&) override { return false; }
  void ShowMessage(const std::string&, MessageIcon) override {}
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
  void SetScrollBar(GalleryBar, const ScrollBarState&) override {}
  void StartIdle() override {}
  uint32_t Milliseconds() override { return now; }
  DisplayMode CurrentDisplayMode() override { return display; }
  void PlayJoinSound() override {}
  void Quit() override {}
  std::optional<std::string> ChoosePicture(const std::string&, const std::string&) override {
    return std::nullopt;
  }
  std::optional<PuzzleOptions> RunOptionsDialog(const OptionsRequest&) override {
    return std::nullopt;
  }
  std::optional<std::string> RunNameDialog(const std::string&, const NameRule&) override {
    return std::nullopt;
  }
  void RunAboutDialog() override {}

  DisplayMode display;
  uint32_t now = 0;
};
