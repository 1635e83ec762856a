// The small message window over the view: "Loading..." and "Saving..." with a progress bar,
// "Pause" without.
#pragma once

#include <QImage>
#include <QWidget>

// A child of the view, centred on it, painted at once whenever the game changes it (the game
// works without returning to the event loop while the bar moves).
class CMessageWnd final : public QWidget {
 public:
  CMessageWnd(QWidget* view, const QImage& emptyBar, const QImage& filledBar);

  // Shows the window with a text, with or without the bar, centred on the view.
  void Open(const QString& text, bool withProgress);
  void SetProgress(int lower, int upper, int position);
  void Close() { hide(); }
  const QString& Text() const { return text_; }
  int FilledWidth() const { return filledWidth_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage emptyBar_;
  QImage filledBar_;
  QString text_;
  bool withProgress_ = false;
  int filledWidth_ = 0;
};
