// Building and drawing the popup menus.
#include "GameMenus.h"

#include <QPainter>
#include <QStyleFactory>
#include <QStyleOptionMenuItem>
#include <algorithm>

#include "GameFonts.h"
#include "game/Game.h"
#include "game/GameCommands.h"

OwnerDrawMenuStyle::OwnerDrawMenuStyle() : QProxyStyle(QStyleFactory::create("Fusion")) {}

QSize OwnerDrawMenuStyle::sizeFromContents(ContentsType type, const QStyleOption* option,
                                           const QSize& size, const QWidget* widget) const {
  const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
  if (type != CT_MenuItem || item == nullptr ||
      item->menuItemType == QStyleOptionMenuItem::Separator)
    return QProxyStyle::sizeFromContents(type, option, size, widget);
  const QFontMetrics metrics(item->font);
  const int width = metrics.horizontalAdvance(item->text);
  return {width * 3 / 2 + (item->menuItemType == QStyleOptionMenuItem::SubMenu ? 12 : 0),
          metrics.height() * 3 / 2};
}

int OwnerDrawMenuStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                                    const QWidget* widget) const {
  if (metric == PM_MenuHMargin || metric == PM_MenuVMargin) return 2;
  return QProxyStyle::pixelMetric(metric, option, widget);
}

void OwnerDrawMenuStyle::drawControl(ControlElement element, const QStyleOption* option,
                                     QPainter* painter, const QWidget* widget) const {
  const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
  if (element != CE_MenuItem || item == nullptr ||
      item->menuItemType == QStyleOptionMenuItem::Separator) {
    QProxyStyle::drawControl(element, option, painter, widget);
    return;
  }
  const QRect r = item->rect;
  const bool selected = (item->state & State_Selected) && (item->state & State_Enabled);
  painter->save();
  painter->fillRect(r.adjusted(0, 0, -3, 0), item->palette.color(QPalette::Window));
  if (selected) {
    painter->setBrush(RgbColour(kLightBlue));
    painter->setPen(RgbColour(kDarkBlue));
    painter->drawRect(r.left(), r.top(), r.width() - 5, r.height() - 1);
  }
  const bool enabled = item->state & State_Enabled;
  painter->setPen(
      item->palette.color(enabled ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
  painter->setFont(item->font);
  painter->drawText(r, Qt::AlignCenter | Qt::TextSingleLine, item->text);
  if (item->checkType != QStyleOptionMenuItem::NotCheckable && item->checked) {
    const int y = r.center().y();
    painter->drawPolyline(QPolygon(
        {QPoint(r.left() + 5, y), QPoint(r.left() + 8, y + 3), QPoint(r.left() + 13, y - 3)}));
  }
  if (item->menuItemType == QStyleOptionMenuItem::SubMenu) {
    const int x = r.right() - 10, y = r.center().y();
    painter->setBrush(painter->pen().color());
    painter->drawPolygon(QPolygon({QPoint(x, y - 4), QPoint(x + 4, y), QPoint(x, y + 4)}));
  }
  painter->restore();
}

GameMenus::GameMenus(QWidget* owner, Query query, std::function<void(int)> onCommand)
    : style_(std::make_unique<OwnerDrawMenuStyle>()),
      gallery_(std::make_unique<QMenu>(owner)),
      play_(std::make_unique<QMenu>(owner)),
      query_(std::move(query)),
      onCommand_(std::move(onCommand)) {
  QMenu& g = *gallery_;
  for (auto [text, command] : {std::pair{"Play", kPlayCommand},
                               {"Scatter", kScatterCommand},
                               {"Modify", kModifyCommand},
                               {"Rename", kRenameCommand},
                               {"Create", kCreateCommand}})
    AddItem(g, text, command);
  g.addSeparator();
  AddItem(g, "Remove", kRemoveCommand);
  g.addSeparator();
  AddItem(g, "Options", kOptionsCommand);
  g.addSeparator();
  AddItem(g, "About", kAboutCommand);
  AddItem(g, "Exit", kExitCommand);

  QMenu& p = *play_;
  AddItem(p, "Pause", kPauseCommand)->setCheckable(true);
  AddItem(p, "Ghost", kGhostCommand)->setCheckable(true);
  AddItem(p, "Thumbnail", kThumbnailCommand)->setCheckable(true);
  arrange_ = p.addMenu("Arrange");
  AddItem(*arrange_, "Arrange in grid", kArrangeGridCommand);
  AddItem(*arrange_, "Random at edge", kArrangeEdgeCommand);
  AddItem(*arrange_, "Random", kArrangeRandomCommand);
  AddItem(*arrange_, "Edge pieces apart", kEdgesApartCommand);
  AddItem(p, "Options", kOptionsCommand);
  AddItem(p, "Back", kBackCommand);
  AddItem(p, "Undo", kUndoCommand);
  AddItem(p, "Redo", kRedoCommand);
  for (QMenu* menu : {gallery_.get(), play_.get(), arrange_}) {
    menu->setStyle(style_.get());
    QObject::connect(menu, &QMenu::aboutToShow, [this, menu] { Refresh(*menu); });
  }
}

QAction* GameMenus::AddItem(QMenu& menu, const char* text, int command) {
  QAction* action = menu.addAction(text);
  action->setData(command);
  // The command runs after the menu has closed and its loop has returned, never inside it.
  QObject::connect(action, &QAction::triggered, action, [this, command] {
    QMetaObject::invokeMethod(
        gallery_->parent(), [this, command] { onCommand_(command); }, Qt::QueuedConnection);
  });
  return action;
}

void GameMenus::Refresh(QMenu& menu) const {
  for (QAction* action : menu.actions()) {
    if (QMenu* submenu = action->menu()) {
      Refresh(*submenu);
      const QList<QAction*> items = submenu->actions();
      action->setEnabled(std::any_of(items.begin(), items.end(),
                                     [](const QAction* item) { return item->isEnabled(); }));
      continue;
    }
    if (action->isSeparator()) continue;
    const CommandState state = query_(action->data().toInt());
    action->setEnabled(state.enabled);
    if (action->isCheckable()) action->setChecked(state.checked);
  }
}
