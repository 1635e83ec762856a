// The gallery menu and the play menu with its Arrange submenu, drawn by the game itself.
#pragma once

#include <QMenu>
#include <QProxyStyle>
#include <functional>
#include <memory>

struct CommandState;

// Menu items as the game draws them: each item is half again as wide and high as its text;
// the selected one is a light blue box with a dark blue outline; the text is centred, grey when
// the item cannot be chosen; a toggle that is on carries a tick at its left.
class OwnerDrawMenuStyle final : public QProxyStyle {
 public:
  OwnerDrawMenuStyle();
  QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                         const QWidget* widget) const override;
  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget) const override;
  int pixelMetric(PixelMetric metric, const QStyleOption* option,
                  const QWidget* widget) const override;
};

// The two popup menus. Each item's data is its command number; the Arrange submenu hangs in
// the play menu, and Undo and Redo close it. Before a menu opens its items take their state from
// `query`.
class GameMenus {
 public:
  using Query = std::function<CommandState(int)>;
  GameMenus(QWidget* owner, Query query, std::function<void(int)> onCommand);

  QMenu& Gallery() { return *gallery_; }
  QMenu& Play() { return *play_; }
  QMenu& Arrange() { return *arrange_; }
  // Refreshes the enabled and checked states of a menu's items (and its submenus').
  void Refresh(QMenu& menu) const;

 private:
  QAction* AddItem(QMenu& menu, const char* text, int command);

  std::unique_ptr<OwnerDrawMenuStyle> style_;
  std::unique_ptr<QMenu> gallery_;
  std::unique_ptr<QMenu> play_;
  QMenu* arrange_ = nullptr;  // owned by play_
  Query query_;
  std::function<void(int)> onCommand_;
};
