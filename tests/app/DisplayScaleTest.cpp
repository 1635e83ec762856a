// The display's scale: the --scale switch, its setting and the factor it gives, and the game on
// the screen as the switch sets it up. CTest runs these once more on a screen of device pixel
// ratio 2 (PAVLEMIR_TEST_RATIO and PAVLEMIR_TEST_DEVICE tell them what to expect).
#include <gtest/gtest.h>

#include <cstdio>

#include "Settings.h"
#include "ShellHarness.h"
#include "SurfaceImage.h"
#include "game/GameCommands.h"

// After the game's headers: the X window system's Display type would shadow the surfaces'.
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include "DisplayScale.h"

namespace {

ScaleSwitch SwitchOf(std::initializer_list<const char*> words) {
  std::vector<const char*> argv{"pavlemir"};
  argv.insert(argv.end(), words);
  return ScaleSwitchOf(static_cast<int>(argv.size()), argv.data());
}

TEST(DisplayScaleTest, TheSwitchAndTheSettingChooseTheFactor) {
  EXPECT_EQ(SwitchOf({"--nosplash"}).choice, std::nullopt);
  EXPECT_EQ(SwitchOf({"--scale", "2", "--nosplash"}).choice, ScaleChoice::Two);
  EXPECT_EQ(SwitchOf({"--scale=1"}).choice, ScaleChoice::One);
  EXPECT_EQ(SwitchOf({"--scale", "2", "--scale=auto"}).choice, ScaleChoice::Auto);
  EXPECT_EQ(SwitchOf({"--scale", "3"}).error, "--scale takes auto, 1 or 2, not \"3\"");
  EXPECT_FALSE(SwitchOf({"--scale"}).error.empty());
  EXPECT_FALSE(SwitchOf({"--scale="}).error.empty());

  EXPECT_EQ(ScaleFactorFor(ScaleChoice::Auto, 1.0), 1);
  EXPECT_EQ(ScaleFactorFor(ScaleChoice::Auto, 1.25), 1);
  EXPECT_EQ(ScaleFactorFor(ScaleChoice::Auto, 1.5), 2);
  EXPECT_EQ(ScaleFactorFor(ScaleChoice::Auto, 3.0), 2);
  EXPECT_EQ(ScaleFactorFor(ScaleChoice::One, 2.0), 1);
  EXPECT_EQ(ScaleFactorFor(ScaleChoice::Two, 1.0), 2);

  // Kept with the other settings; a value naming no choice is passed over.
  QTemporaryDir dir;
  const QString path = dir.filePath("Pavlemir.conf");
  {
    CRegistryKey key(path);
    ASSERT_TRUE(key.Open());
    g_displayScale = 2;
    SaveSettings(key);
  }
  g_displayScale = 0;
  CRegistryKey key(path);
  ASSERT_TRUE(key.Open());
  LoadScaleSetting(key);
  EXPECT_EQ(g_displayScale, 2);
  ASSERT_TRUE(key.WriteByte("Display Scale", 7));
  LoadScaleSetting(key);
  EXPECT_EQ(g_displayScale, 2);
  g_displayScale = 0;
}

// The offscreen screen's device size and ratio in this run.
struct ScreenFacts {
  int ratio = 1;
  int deviceWidth = 800;
  int deviceHeight = 800;
};

ScreenFacts ExpectedScreen() {
  ScreenFacts facts;
  if (qEnvironmentVariableIsSet("PAVLEMIR_TEST_RATIO"))
    facts.ratio = qEnvironmentVariableIntValue("PAVLEMIR_TEST_RATIO");
  const QByteArray device = qgetenv("PAVLEMIR_TEST_DEVICE");
  if (!device.isEmpty())
    std::sscanf(device.constData(), "%dx%d", &facts.deviceWidth, &facts.deviceHeight);
  return facts;
}

TEST(DisplayScaleTest, TheGameSeesTheScaledDisplayAndEachPixelCoversASquare) {
  const ScreenFacts screen = ExpectedScreen();
  ShellHarness h;
  Game& game = h.TheGame();
  ASSERT_EQ(h.Frame().devicePixelRatioF(), screen.ratio);

  // The display mode, the view and the composed frame are all in the scaled pixels.
  const DisplayMode mode = h.View().CurrentDisplayMode();
  EXPECT_EQ(mode.width, screen.deviceWidth / screen.ratio);
  EXPECT_EQ(mode.height, screen.deviceHeight / screen.ratio);
  EXPECT_EQ(h.View().size(), QSize(mode.width, mode.height));
  ASSERT_NE(game.BackSurface(), nullptr);
  EXPECT_EQ(game.BackSurface()->Width(), mode.width);
  EXPECT_EQ(game.BackSurface()->Height(), mode.height);

  // Shown, every composed pixel of the gallery's puzzles (which no control covers) covers
  // ratio x ratio device pixels of its colour.
  // The view's own painting at the screen's ratio, as it reaches the window.
  const QImage shown = h.View().grab().toImage().convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(shown.size(), QSize(screen.deviceWidth, screen.deviceHeight));
  const Surface& back = *game.BackSurface();
  const ConstSurfaceLock lock = back.Lock();
  const QImage composed = WrapSurface(back, lock);
  const Rect area = VisiblePuzzlesArea(game);
  int differences = 0;
  for (int y = area.top; y < area.bottom; y += 7) {
    for (int x = area.left; x < area.right; x += 5) {
      const QRgb want = composed.pixel(x, y) & 0xFFFFFFu;
      for (int dy = 0; dy < screen.ratio; ++dy) {
        for (int dx = 0; dx < screen.ratio; ++dx) {
          const QRgb got = shown.pixel(x * screen.ratio + dx, y * screen.ratio + dy) & 0xFFFFFFu;
          if (got != want && ++differences <= 5)
            ADD_FAILURE() << "at " << x << "," << y << " shown " << got << " composed " << want;
        }
      }
    }
  }

  // The mouse and the keys reach the game in its own pixels: a piece laid apart is dragged,
  // Ctrl+Z takes the drag back, Ctrl+Y makes it again.
  h.DoubleClick(CellCentre(h.Puzzle(kShapesPack, "Wide")));
  ASSERT_EQ(game.Mode(), ViewMode::Play);
  ASSERT_TRUE(game.Command(kEdgesApartCommand));
  const Piece& piece = *game.OpenPuzzle()->groups.back()->pieces.front();
  const QPoint from(piece.x + piece.imageWidth / 2, piece.y + piece.imageHeight / 2);
  const QPoint laid(piece.x, piece.y);
  h.Drag(from, from + QPoint(60, 90));
  EXPECT_EQ(QPoint(piece.x, piece.y), laid + QPoint(60, 90));
  QTest::keyClick(&h.View(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(QPoint(piece.x, piece.y), laid);
  QTest::keyClick(&h.View(), Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(QPoint(piece.x, piece.y), laid + QPoint(60, 90));
}

}  // namespace
