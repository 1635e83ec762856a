// Everything the game asks of the window system; the shell implements it, tests fake it.
#pragma once

#include <cstdint>
#include <string>

#include "game/GalleryLayout.h"
#include "game/PuzzleDialogs.h"
#include "play/ClientPoint.h"
#include "surface/Rect.h"
#include "surface/Surface.h"

// The display mode: its size is the screen's, its depth the surfaces' format.
struct DisplayMode {
  int width = 0;
  int height = 0;
  int bitsPerPixel = 32;
};

enum class MessageIcon { Error, Exclamation, Question };

// The popup menus by resource number: the gallery menu and the play menu.
enum class PopupMenu { Gallery = 134, Play = 250 };

// A top-level window's place and size in screen pixels.
struct WindowRect {
  int32_t left = -1;
  int32_t top = -1;
  int32_t width = -1;
  int32_t height = -1;
  bool operator==(const WindowRect&) const = default;
};

// Calls into the game while the host runs a modal loop (a message box, a popup menu, a dialog):
// the host delivers only idle steps and the paints of its own windows, never mouse, key or
// command input to the game, so a handler that asked a question is never entered again before
// it returns; the gallery's dialogs (PuzzleDialogs) are such loops. Everything the game draws
// meanwhile goes through Present, which only asks for an update; nothing is composed from inside a
// paint.
class Host : public PuzzleDialogs {
 public:
  virtual ~Host() = default;

  // The composed pixels of `rect` (view client coordinates) changed: the host shows them from
  // `backSurface` at its next paint. The game composes before it calls this.
  virtual void Present(const Surface& backSurface, const Rect& rect) = 0;
  // The composed pixels inside `area` moved down by `dy` rows (up when negative): the host
  // moves what it shows of the area the same way. What the move uncovered comes with Present.
  virtual void ScrollPresented(const Rect& area, int dy) = 0;

  // A message box captioned with the program's title: a question with Yes and No (true for
  // Yes), or a message with one button and the given icon.
  virtual bool AskYesNo(const std::string& text) = 0;
  virtual void ShowMessage(const std::string& text, MessageIcon icon) = 0;

  // The small message window centred on the view, shown and painted at once; with a progress
  // bar the game then moves the bar (range lower..upper, position), only when its filled width
  // changes (its picture: PaintProgressBar of game/MessageWindow.h for
  // MessageProgress::FilledWidth). Closing hides it.
  virtual void OpenMessageWindow(const std::string& text, bool withProgress) = 0;
  virtual void SetProgress(int lower, int upper, int position) = 0;
  virtual void CloseMessageWindow() = 0;

  // The text of the start-up window while the packs load.
  virtual void SetSplashText(const std::string& text) = 0;

  // The pause window ("Pause", no bar), shown and painted at once, or hidden.
  virtual void ShowPauseWindow(bool shown) = 0;

  // The floating thumbnail window: shown or hidden; its picture (the centred `source` part of
  // `picture`, or none), placed at its default place when asked; moved to a saved place. The
  // host copies the pixels it needs at once: the surface goes when the puzzle is reset.
  virtual void ShowThumbnailWindow(bool shown) = 0;
  virtual void SetThumbnailPicture(const Surface* picture, const Rect& source,
                                   bool placeDefault) = 0;
  virtual void MoveThumbnailWindow(const WindowRect& rect) = 0;

  virtual void CaptureMouse(bool captured) = 0;
  // Opens the popup menu at a view client point; its commands come back through Game::Command.
  virtual void ShowPopupMenu(PopupMenu menu, ClientPoint at) = 0;
  // The Options command: the modal Background dialog, which previews and applies through
  // Game::SetBackground.
  virtual void RunBackgroundDialog() = 0;

  // The toolbar's clock area (0, 0, 175, 32) is repainted from the game's shown clock.
  virtual void RepaintClock() = 0;
  // The gallery's scroll bars and side panel shown and the play toolbar hidden, or the reverse.
  virtual void ShowGalleryControls(bool shown) = 0;
  // A gallery scroll bar's range, position and enabled state, whenever the game changes one.
  virtual void SetScrollBar(GalleryBar bar, const ScrollBarState& state) = 0;
  // The game wants its idle step again (a game started): the host calls Game::Idle about every
  // 16 ms until it answers false.
  virtual void StartIdle() = 0;

  // The steady millisecond clock, in 32 bits (it wraps).
  virtual uint32_t Milliseconds() = 0;
  virtual DisplayMode CurrentDisplayMode() = 0;
  // The join sound, once, when sound is on.
  virtual void PlayJoinSound() = 0;
  // The display's depth changed under the running program: it ends.
  virtual void Quit() = 0;
};
