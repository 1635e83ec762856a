// The gallery's side panel and the play toolbar: the game's buttons and the play clock.
#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

#include "OwnerDrawButton.h"

using CommandSink = std::function<void(int)>;

// Nine buttons down the gallery's left edge: Play, Scatter, Modify, Rename, Create, Remove,
// Options, About, Exit, with gaps after Rename, Create and Remove.
class SidePanel final : public QWidget {
 public:
  SidePanel(QWidget* view, const QImage& faces, CommandSink send);
  OwnerDrawButton* Button(int command) const;
};

// The strip along the top of the play field: the clock panel at the left, then Pause, Ghost,
// Thumbnail, Arrange (which opens the Arrange menu under itself), Options and Back.
class PlayToolbar final : public QWidget {
 public:
  struct Clock {
    int hours = 0;
    int minutes = 0;
    int seconds = 0;
  };
  PlayToolbar(QWidget* view, const QImage& faces, const QImage& timePanel, const QImage& digits,
              CommandSink send, std::function<void(QPoint)> openArrange,
              std::function<Clock()> clock);
  OwnerDrawButton* Button(int command) const;
  OwnerDrawButton* ArrangeButton() const { return arrange_; }

  static constexpr int kClockWidth = 175;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage timePanel_;
  QImage digits_;
  std::function<Clock()> clock_;
  OwnerDrawButton* arrange_ = nullptr;
};
