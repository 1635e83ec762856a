// The Background dialog: picking a texture and a colour, preview, OK keeping the choice in the
// settings at once, Cancel putting the stored background back.
#include <gtest/gtest.h>

#include <vector>

#include "CBackgroundDlg.h"
#include "Settings.h"
#include "assets/EmbeddedBitmaps.h"

// After the game's headers: the application header declares a global Display type of the X
// window system, which the surfaces' memory kind would otherwise appear to shadow.
#include <QApplication>
#include <QColorDialog>
#include <QTest>
#include <QTimer>

bool operator==(const TileSettings& a, const TileSettings& b) {
  return a.colour == b.colour && a.textureEnabled == b.textureEnabled &&
         a.textureIndex == b.textureIndex;
}

namespace {

class BackgroundDialog : public testing::Test {
 protected:
  BackgroundDialog() {
    g_backgroundColor = 0x102030;
    g_textureEnabled = 1;
    g_textureIndex = 2;
  }
  void Click(CBackgroundDlg& dialog, const QString& button) {
    ASSERT_NE(dialog.Button(button), nullptr) << button.toStdString();
    QTest::mouseClick(dialog.Button(button), Qt::LeftButton);
  }

  EmbeddedBitmaps bitmaps;
  std::vector<TileSettings> applied;
  CBackgroundDlg::Apply apply = [this](const TileSettings& s) { applied.push_back(s); };
};

TEST_F(BackgroundDialog, PreviewAndCancelLeaveTheSettingsAlone) {
  CBackgroundDlg dialog(nullptr, bitmaps, apply);
  EXPECT_EQ(dialog.SelectedTexture(), 2);
  EXPECT_EQ(dialog.Colour(), 0x102030u);
  EXPECT_TRUE(dialog.UseTexture().isChecked());

  QTest::mouseClick(&dialog, Qt::LeftButton, {}, CBackgroundDlg::TextureRect(7).center());
  EXPECT_EQ(dialog.SelectedTexture(), 7);
  // Between two textures nothing changes.
  QTest::mouseClick(&dialog, Qt::LeftButton, {}, QPoint(135, 60));
  EXPECT_EQ(dialog.SelectedTexture(), 7);
  dialog.UseTexture().setChecked(false);
  Click(dialog, "Preview");
  ASSERT_EQ(applied.size(), 1u);
  EXPECT_EQ(applied.back(), (TileSettings{0x102030, false, 7}));

  Click(dialog, "Cancel");
  ASSERT_EQ(applied.size(), 2u);
  EXPECT_EQ(applied.back(), (TileSettings{0x102030, true, 2}));
  EXPECT_EQ(g_textureIndex, 2u);
  EXPECT_EQ(g_textureEnabled, 1);
}

TEST_F(BackgroundDialog, TheSwatchChoosesAColourAndOkKeepsItInTheStore) {
  CBackgroundDlg dialog(nullptr, bitmaps, apply);
  QTimer::singleShot(0, [] {
    auto* chooser = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(chooser, nullptr);
    chooser->setCurrentColor(QColor(1, 2, 3));
    chooser->accept();
  });
  QTest::mouseClick(&dialog, Qt::LeftButton, {}, CBackgroundDlg::SwatchRect().center());
  // The settings keep red in the low byte.
  EXPECT_EQ(dialog.Colour(), 0x030201u);
  QTest::mouseClick(&dialog, Qt::LeftButton, {}, CBackgroundDlg::TextureRect(5).center());

  Click(dialog, "OK");
  ASSERT_EQ(applied.size(), 1u);
  EXPECT_EQ(applied.back(), (TileSettings{0x030201, true, 5}));
  EXPECT_EQ(g_backgroundColor, 0x030201u);
  EXPECT_EQ(g_textureIndex, 5u);
  // Written at once: a run that crashes after OK still has the choice.
  g_backgroundColor = 0;
  g_textureIndex = 0;
  CRegistryKey key;
  ASSERT_TRUE(key.Open());
  LoadSettings(key);
  EXPECT_EQ(g_backgroundColor, 0x030201u);
  EXPECT_EQ(g_textureIndex, 5u);
}

}  // namespace
