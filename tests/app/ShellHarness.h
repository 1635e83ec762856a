// Test helper: a program folder with two small packs and the game's main frame over it on the
// offscreen screen, worked with the mouse and the keyboard as a player would.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QImage>
#include <QMenu>
#include <QMessageBox>
#include <QPoint>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "CMainFrame.h"
#include "QvxTestFile.h"

// The packs: "User" with "Mine", "Shapes" (selected at start) with "Strip", a row of three
// pieces, and "Wide", four by three, and "Zoo" with kZooPuzzles puzzles of two pieces, more rows
// than the grid shows. No puzzle turns its pieces.
inline constexpr char kShapesPack[] = "Shapes";
inline constexpr char kUserPack[] = "User";
inline constexpr char kZooPack[] = "Zoo";
inline constexpr int kZooPuzzles = 9;

// Runs the event loop until `done` holds or `timeoutMs` pass; answers done().
bool WaitUntil(const std::function<bool()>& done, int timeoutMs = 10000);

// The places of `area` (view coordinates, every `step` pixels) where the shown pixels differ
// from the composed frame by more than its format's rounding, as "x,y shown #rrggbb composed
// #rrggbb" lines (at most ten).
std::vector<std::string> FrameDifferences(const QImage& shown, const Surface& back,
                                          const Rect& area, int step);

class ShellHarness {
 public:
  // The frame is shown and its game made; with `splash` the start-up window opens first.
  explicit ShellHarness(const PixelFormatInfo& format = PixelFormatInfo::Rgb32(),
                        bool splash = false);
  ~ShellHarness();
  ShellHarness(const ShellHarness&) = delete;
  ShellHarness& operator=(const ShellHarness&) = delete;

  CMainFrame& Frame() { return *frame_; }
  CChildView& View() { return frame_->View(); }
  // The view's game; fails the test when there is none yet.
  Game& TheGame();
  PuzzlePack& Pack(const std::string& name);
  PuzzleRecord& Puzzle(const std::string& pack, const std::string& name);
  std::filesystem::path PuzzlePath(const std::string& pack, const std::string& name) const;
  // The puzzle file as it is on disk now.
  QvxFields ReadPuzzleFile(const std::string& pack, const std::string& name) const;

  // The mouse on the view, in view coordinates: a click, a double click (press, release,
  // double-click press, release) and a left-button drag through a point halfway.
  void Click(QPoint at, Qt::MouseButton button = Qt::LeftButton);
  void DoubleClick(QPoint at);
  void Drag(QPoint from, QPoint to);
  // A key pressed and released on the widget that has the keyboard focus.
  void PressKey(Qt::Key key);
  void ClickButton(QAbstractButton* button);

  // The frame active again after a message box closed, as a window system makes it (the
  // offscreen platform leaves no window active).
  void Reactivate();

  // What the frame's window shows now, after the pending paints: its flushed pixels.
  QImage Shown();

 private:
  TempFolder folder_;
  std::unique_ptr<CMainFrame> frame_;
};

// The puzzle area less the two pixels the side panel covers: what the gallery shows of it.
Rect VisiblePuzzlesArea(const Game& game);

// The middle of a gallery cell as last painted.
QPoint CellCentre(const PuzzleRecord& puzzle);
QPoint CellCentre(const PuzzlePack& pack);

// Watches, from inside whatever modal loop runs, for a popup menu to open; the first one seen is
// handed to `act`, which must close it (by choosing an item or otherwise).
class PopupWatch {
 public:
  explicit PopupWatch(std::function<void(QMenu&)> act);
  QMenu* Seen() const { return seen_; }
  // The commands of the seen menu's items, in order; 0 for a separator or a submenu.
  const std::vector<int>& Commands() const { return commands_; }
  QPoint SeenAt() const { return seenAt_; }

 private:
  QTimer timer_;
  std::function<void(QMenu&)> act_;
  QMenu* seen_ = nullptr;
  std::vector<int> commands_;
  QPoint seenAt_;
};

// Watches, from inside whatever modal loop runs, for a message box; the first one seen is
// answered with `answer`.
class MessageBoxWatch {
 public:
  explicit MessageBoxWatch(QMessageBox::StandardButton answer);
  bool Seen() const { return seen_; }
  const QString& Title() const { return title_; }
  const QString& Text() const { return text_; }
  QMessageBox::Icon Icon() const { return icon_; }

 private:
  QTimer timer_;
  bool seen_ = false;
  QString title_;
  QString text_;
  QMessageBox::Icon icon_ = QMessageBox::NoIcon;
};

// Chooses the item of a shown menu with the mouse, as a player would.
void ChooseMenuItem(QMenu& menu, int command);
// The menu's items' commands in order; 0 for a separator or a submenu.
std::vector<int> MenuCommands(const QMenu& menu);
