// Laying out the side panel and the play toolbar, and drawing the clock.
#include "ButtonBars.h"

#include <QPainter>

#include "game/GameCommands.h"

namespace {

constexpr int kNoCommand = 0;  // the Arrange button opens a menu instead

OwnerDrawButton* FindButton(const QWidget* parent, int command) {
  for (OwnerDrawButton* button : parent->findChildren<OwnerDrawButton*>())
    if (button->Command() == command) return button;
  return nullptr;
}

OwnerDrawButton* AddButton(QWidget* parent, const char* caption, int command, const QImage& faces,
                           const CommandSink& send, QPoint at) {
  auto* button = new OwnerDrawButton(caption, command, faces, false, parent);
  button->move(at);
  if (command != kNoCommand)
    QObject::connect(button, &QPushButton::clicked, parent, [send, command] { send(command); });
  return button;
}

}  // namespace

SidePanel::SidePanel(QWidget* view, const QImage& faces, CommandSink send) : QWidget(view) {
  setAutoFillBackground(true);
  const std::pair<const char*, int> buttons[] = {
      {"Play", kPlayCommand},       {"Scatter", kScatterCommand}, {"Modify", kModifyCommand},
      {"Rename", kRenameCommand},   {"Create", kCreateCommand},   {"Remove", kRemoveCommand},
      {"Options", kOptionsCommand}, {"About", kAboutCommand},     {"Exit", kExitCommand}};
  for (int k = 0; k < 9; ++k) {
    // A 10-pixel gap follows Rename, Create and Remove.
    const int gaps = (k > 3 ? 1 : 0) + (k > 4 ? 1 : 0) + (k > 5 ? 1 : 0);
    const auto& [caption, command] = buttons[k];
    AddButton(this, caption, command, faces, send, QPoint(10, 10 + 28 * k + 10 * gaps));
  }
}

OwnerDrawButton* SidePanel::Button(int command) const {
  return FindButton(this, command);
}

PlayToolbar::PlayToolbar(QWidget* view, const QImage& faces, const QImage& timePanel,
                         const QImage& digits, CommandSink send,
                         std::function<void(QPoint)> openArrange, std::function<Clock()> clock)
    : QWidget(view), timePanel_(timePanel), digits_(digits), clock_(std::move(clock)) {
  setAutoFillBackground(true);
  AddButton(this, "Pause", kPauseCommand, faces, send, {190, 4});
  AddButton(this, "Ghost", kGhostCommand, faces, send, {290, 4});
  AddButton(this, "Thumbnail", kThumbnailCommand, faces, send, {390, 4});
  arrange_ = AddButton(this, "Arrange", kNoCommand, faces, send, {490, 4});
  AddButton(this, "Options", kOptionsCommand, faces, send, {590, 4});
  AddButton(this, "Back", kBackCommand, faces, send, {690, 4});
  connect(arrange_, &QPushButton::clicked, this, [this, open = std::move(openArrange)] {
    open(arrange_->mapToGlobal(QPoint(0, arrange_->height())));
  });
}

OwnerDrawButton* PlayToolbar::Button(int command) const {
  return FindButton(this, command);
}

void PlayToolbar::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(0, 0, timePanel_);
  const Clock shown = clock_();
  constexpr int kDigitWidth = 19, kDigitHeight = 28;
  const auto digit = [&](int x, int d) {
    painter.drawImage(QPoint(x, 1), digits_, QRect(kDigitWidth * d, 0, kDigitWidth, kDigitHeight));
  };
  if (shown.hours / 10 != 0) digit(14, shown.hours / 10 % 10);
  digit(33, shown.hours % 10);
  digit(71, shown.minutes / 10 % 10);
  digit(90, shown.minutes % 10);
  digit(128, shown.seconds / 10 % 10);
  digit(147, shown.seconds % 10);
}
