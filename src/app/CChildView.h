// The view: the game's window. It carries the game's events in and shows what the game composed.
#pragma once

#include <QElapsedTimer>
#include <QImage>
#include <QMimeData>
#include <QPointer>
#include <QScrollBar>
#include <QTimer>
#include <QWidget>
#include <memory>

#include "ButtonBars.h"
#include "CMessageWnd.h"
#include "QtTextPainter.h"
#include "SplashWnd.h"
#include "assets/EmbeddedBitmaps.h"
#include "diag/FaultOnPurpose.h"
#include "game/Game.h"
#include "game/Host.h"
#include "sound/JoinSound.h"

class CMainFrame;

// The only pane of the main frame. It owns the game, the gallery's scroll bars and side panel,
// the play toolbar and the message and pause windows, and implements the game's Host: the game
// composes into its frame surface and asks for updates; paintEvent only copies those pixels.
class CChildView final : public QWidget, public Host {
 public:
  CChildView(CMainFrame& frame, QString programDir, const PixelFormatInfo& format);
  ~CChildView() override;

  // Makes the game at the view's final size, shows the start-up window (when `splash`), loads
  // the packs and shows the gallery. Called once, after the frame is shown.
  void Begin(bool splash);
  // Offers a command to the game; false when it does not handle it now.
  bool Command(int id);
  CommandState QueryCommand(int id) const;
  // Program end: every puzzle written back. Answers the texts of the files that failed.
  QStringList Shutdown();

  Game* GameObject() { return game_.get(); }
  SidePanel* Panel() const { return panel_; }
  PlayToolbar* Toolbar() const { return toolbar_; }
  QScrollBar* Bar(GalleryBar bar) const {
    return bar == GalleryBar::Packs ? packsBar_ : puzzlesBar_;
  }
  CMessageWnd* MessageWindow() const { return message_; }
  CMessageWnd* PauseWindow() const { return pause_; }
  SplashWnd* Splash() const { return splash_; }
  bool IdleRunning() const { return idle_.isActive(); }

  // Host
  void Present(const Surface& backSurface, const Rect& rect) override;
  void ScrollPresented(const Rect& area, int dy) override;
  bool AskYesNo(const std::string& text) override;
  void ShowMessage(const std::string& text, MessageIcon icon) override;
  void OpenMessageWindow(const std::string& text, bool withProgress) override;
  void SetProgress(int lower, int upper, int position) override;
  void CloseMessageWindow() override;
  void SetSplashText(const std::string& text) override;
  void ShowPauseWindow(bool shown) override;
  void ShowThumbnailWindow(bool shown) override;
  void SetThumbnailPicture(const Surface* picture, const Rect& source, bool placeDefault) override;
  void MoveThumbnailWindow(const WindowRect& rect) override;
  void CaptureMouse(bool captured) override;
  void ShowPopupMenu(PopupMenu menu, ClientPoint at) override;
  void RunBackgroundDialog() override;
  void RepaintClock() override;
  void ShowGalleryControls(bool shown) override;
  void SetScrollBar(GalleryBar bar, const ScrollBarState& state) override;
  void StartIdle() override;
  uint32_t Milliseconds() override;
  DisplayMode CurrentDisplayMode() override;
  void PlayJoinSound() override;
  void Quit() override;
  std::optional<std::string> ChoosePicture(const std::string& folder,
                                           const std::string& selected) override;
  std::optional<PuzzleOptions> RunOptionsDialog(const OptionsRequest& request) override;
  std::optional<std::string> RunNameDialog(const std::string& initial,
                                           const NameRule& rule) override;
  void RunAboutDialog() override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  // A picture file dragged from a file manager onto the gallery starts Create with it.
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void MakeScrollBar(QScrollBar*& bar, Qt::Orientation orientation, GalleryBar which);
  void LayOutControls();
  void RunIdle();
  bool AcceptsDrop(const QMimeData* mime, QString* path) const;

  CMainFrame& frame_;
  QString programDir_;
  SurfaceService service_;
  EmbeddedBitmaps bitmaps_;
  QtTextPainter text_;
  // Before the game: made at the view's creation, gone after the game.
  std::unique_ptr<JoinSound> sound_;
  // Set only by the tests' fault variable: the fault the first join makes.
  PurposeFault faultOnJoin_ = PurposeFault::None;
  std::unique_ptr<Game> game_;
  QElapsedTimer clock_;
  QTimer idle_;
  QScrollBar* packsBar_ = nullptr;
  QScrollBar* puzzlesBar_ = nullptr;
  SidePanel* panel_ = nullptr;
  PlayToolbar* toolbar_ = nullptr;
  CMessageWnd* message_ = nullptr;
  CMessageWnd* pause_ = nullptr;
  QPointer<SplashWnd> splash_;
};
