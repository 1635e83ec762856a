// The start-up window: the title picture with the loading text, until a key, a click or ten
// seconds.
#pragma once

#include <QImage>
#include <QTimer>
#include <QWidget>

// A borderless window centred on the screen. While it is open it sees every event of the
// program first: the first key press or mouse click closes it and is swallowed.
class SplashWnd final : public QWidget {
 public:
  explicit SplashWnd(const QImage& picture);
  ~SplashWnd() override;

  // The text under the title, painted at once (the packs load without an event loop).
  void SetText(const QString& text);
  const QString& Text() const { return text_; }

  static constexpr int kShownMs = 10000;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage picture_;
  QString text_;
  QTimer timer_;
};
