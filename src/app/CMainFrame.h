// The main frame: the one top-level window, holding the view, the menus and the thumbnail window.
#pragma once

#include <QWidget>
#include <memory>

#include "CChildView.h"
#include "CThumbnailWnd.h"
#include "GameMenus.h"

// Covers the screen with a caption that has only minimise and close; it cannot be resized.
// Every command (buttons, menus) comes here and is offered to the view first; Exit closes the
// frame, and closing it writes every puzzle back.
class CMainFrame final : public QWidget {
 public:
  CMainFrame(const QString& programDir, const PixelFormatInfo& format);
  ~CMainFrame() override;

  // Shows the frame over the screen, then (from the event loop) lets the view start the game.
  void ShowAndBegin(bool splash);
  void OnCommand(int id);
  void RunBackgroundDialog();

  CChildView& View() { return *view_; }
  GameMenus& Menus() { return *menus_; }
  CThumbnailWnd& Thumbnail() { return *thumbnail_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;

 private:
  CChildView* view_;
  std::unique_ptr<GameMenus> menus_;
  CThumbnailWnd* thumbnail_;
  bool closed_ = false;
};
