// The settings store: first run, saving and restarting, values of the wrong size or type, the
// limit of the last path, unusable and garbled stores.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <initializer_list>
#include <string>

#include "Settings.h"

namespace {

class SettingsTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    // The starting values of a fresh run, except the colour, which a failed read must set.
    g_backgroundColor = 0x123456;
    g_textureEnabled = 1;
    g_textureIndex = 0;
    g_lastPath.clear();
  }

  QString StorePath() const { return dir_.filePath("Pavlemir.conf"); }

  // Writes values into the store as another program (or a damaged disk) might have left them.
  void Store(const QString& name, const QVariant& value) {
    QSettings raw(StorePath(), QSettings::IniFormat);
    raw.setValue(name, value);
  }

  QVariant Stored(const QString& name) const {
    return QSettings(StorePath(), QSettings::IniFormat).value(name);
  }

  void Load() {
    CRegistryKey key(StorePath());
    ASSERT_TRUE(key.Open());
    LoadSettings(key);
  }

  QTemporaryDir dir_;
};

QByteArray Bytes(std::initializer_list<uint8_t> values) {
  QByteArray bytes;
  for (uint8_t v : values) bytes.append(static_cast<char>(v));
  return bytes;
}

TEST_F(SettingsTest, FirstRunSaveAndRestart) {
  Load();
  EXPECT_EQ(g_backgroundColor, 0xA56D39u);
  EXPECT_EQ(g_textureEnabled, 1);
  EXPECT_EQ(g_textureIndex, 0u);
  EXPECT_EQ(g_lastPath, "");

  g_backgroundColor = 0x00FF8040;
  g_textureEnabled = 0;
  g_textureIndex = 7;
  g_lastPath = "/home/ana/Bilder/Sommer \xC3\xBC";
  {
    CRegistryKey key(StorePath());
    ASSERT_TRUE(key.Open());
    SaveSettings(key);
  }
  EXPECT_EQ(Stored("Background Color").toByteArray(), Bytes({0x40, 0x80, 0xFF, 0x00}));
  EXPECT_EQ(Stored("Texture Enable").toByteArray(), Bytes({0}));
  EXPECT_EQ(Stored("Texture").toByteArray(), Bytes({7, 0, 0, 0}));
  const QByteArray path = Stored("Last Path").toString().toUtf8();
  EXPECT_EQ(path.size(), static_cast<qsizetype>(g_lastPath.size() + 1));
  EXPECT_EQ(path, QByteArray(g_lastPath.c_str(), path.size()));

  // A new run reads back what the last one saved.
  const std::string saved = g_lastPath;
  SetUp();
  Load();
  EXPECT_EQ(g_backgroundColor, 0x00FF8040u);
  EXPECT_EQ(g_textureEnabled, 0);
  EXPECT_EQ(g_textureIndex, 7u);
  EXPECT_EQ(g_lastPath, saved);
  const TileSettings tiles = CurrentBackground();
  EXPECT_EQ(tiles.colour, 0x00FF8040u);
  EXPECT_FALSE(tiles.textureEnabled);
  EXPECT_EQ(tiles.textureIndex, 7);
}

TEST_F(SettingsTest, ValuesOfAnotherSizeOrTypeDoNotRead) {
  Store("Background Color", Bytes({1, 2, 3}));
  Store("Texture Enable", Bytes({0, 0, 0, 0}));
  Store("Texture", QString("5"));
  Store("Last Path", QByteArray("/tmp"));
  g_textureIndex = 3;
  g_lastPath = "/home/ana";
  Load();
  EXPECT_EQ(g_backgroundColor, 0xA56D39u);
  EXPECT_EQ(g_textureEnabled, 1);
  EXPECT_EQ(g_textureIndex, 3u);
  EXPECT_EQ(g_lastPath, "/home/ana");

  CRegistryKey key(StorePath());
  ASSERT_TRUE(key.Open());
  ASSERT_TRUE(key.Write2Bytes("Pair", 0xBEEF));
  uint8_t byte = 9;
  uint16_t pair = 0;
  uint32_t quad = 9;
  EXPECT_FALSE(key.ReadByte("Pair", byte));
  EXPECT_FALSE(key.Read4Bytes("Pair", quad));
  EXPECT_EQ(byte, 9);
  EXPECT_EQ(quad, 9u);
  ASSERT_TRUE(key.Read2Bytes("Pair", pair));
  EXPECT_EQ(pair, 0xBEEF);
  EXPECT_FALSE(key.Read2Bytes("Missing", pair));
}

TEST_F(SettingsTest, LastPathFitsInTheReadBuffer) {
  CRegistryKey key(StorePath());
  ASSERT_TRUE(key.Open());
  std::string text;
  // 1023 characters and the zero fill the 1024 bytes read exactly.
  const std::string fits(1023, 'a');
  ASSERT_TRUE(key.WriteString("Last Path", fits));
  ASSERT_TRUE(key.ReadString("Last Path", text));
  EXPECT_EQ(text, fits);

  g_lastPath = "/kept";
  ASSERT_TRUE(key.WriteString("Last Path", std::string(1024, 'b')));
  LoadSettings(key);
  EXPECT_EQ(g_lastPath, "/kept");

  // A value written without its zero needs room for one all the same; an inner zero ends it.
  key.Close();
  Store("Plain", QString(1023, 'c'));
  Store("Long", QString(1024, 'c'));
  Store("Inner", QString::fromUtf8("ab\0cd", 6));
  ASSERT_TRUE(key.Open());
  EXPECT_TRUE(key.ReadString("Plain", text));
  EXPECT_EQ(text.size(), 1023u);
  EXPECT_FALSE(key.ReadString("Long", text));
  ASSERT_TRUE(key.ReadString("Inner", text));
  EXPECT_EQ(text, "ab");
}

TEST_F(SettingsTest, TextureNumberOutsideTheNineIsTakenAsZero) {
  Store("Texture", Bytes({8, 0, 0, 0}));
  Load();
  EXPECT_EQ(g_textureIndex, 8u);
  Store("Texture", Bytes({9, 0, 0, 0}));
  Load();
  EXPECT_EQ(g_textureIndex, 0u);
  Store("Texture", Bytes({0, 0, 0, 0x80}));
  g_textureIndex = 4;
  Load();
  EXPECT_EQ(CurrentBackground().textureIndex, 0);
}

TEST_F(SettingsTest, ClosedOrUnusableKeyFailsQuietly) {
  CRegistryKey closed(StorePath());
  std::string text;
  uint8_t byte = 0;
  uint32_t quad = 0;
  EXPECT_FALSE(closed.WriteString("Last Path", "x"));
  EXPECT_FALSE(closed.WriteByte("Texture Enable", 0));
  EXPECT_FALSE(closed.Write4Bytes("Texture", 1));
  EXPECT_FALSE(closed.ReadString("Last Path", text));
  EXPECT_FALSE(closed.ReadByte("Texture Enable", byte));
  EXPECT_FALSE(closed.Read4Bytes("Texture", quad));
  EXPECT_FALSE(closed.Flush());
  EXPECT_FALSE(closed.Close());

  // A folder where the store should be: nothing opens, the defaults hold, nothing is stored.
  ASSERT_TRUE(QDir(dir_.path()).mkdir("Pavlemir.conf"));
  CRegistryKey blocked(StorePath());
  EXPECT_FALSE(blocked.Open());
  LoadSettings(blocked);
  EXPECT_EQ(g_backgroundColor, 0xA56D39u);
  EXPECT_EQ(g_textureEnabled, 1);
  g_textureIndex = 5;
  SaveSettings(blocked);
  EXPECT_TRUE(QFileInfo(StorePath()).isDir());

  // Once closed, an opened key refuses again.
  CRegistryKey other(dir_.filePath("other.conf"));
  ASSERT_TRUE(other.Open());
  ASSERT_TRUE(other.WriteByte("Texture Enable", 0));
  ASSERT_TRUE(other.Flush());
  ASSERT_TRUE(other.Close());
  EXPECT_FALSE(other.ReadByte("Texture Enable", byte));
}

TEST_F(SettingsTest, GarbledStoreGivesDefaultsAndIsWrittenAfresh) {
  QFile file(StorePath());
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  const char junk[] =
      "\xFF\xFE\x00[[[=\n@ByteArray(\nTexture=@Variant(\\0\\0\\0\\x7f\\0\\0)\n=x\n"
      "[General\nBackground%20Color=@ByteArray(\\x1\nLast%20Path=a,b\nTexture%20Enable=\n";
  file.write(junk, sizeof junk - 1);
  file.close();

  g_lastPath = "/kept";
  Load();
  EXPECT_EQ(g_backgroundColor, 0xA56D39u);
  EXPECT_EQ(g_textureEnabled, 1);
  EXPECT_EQ(g_textureIndex, 0u);
  EXPECT_EQ(g_lastPath, "/kept");

  g_textureIndex = 2;
  {
    CRegistryKey key(StorePath());
    ASSERT_TRUE(key.Open());
    SaveSettings(key);
  }
  SetUp();
  Load();
  EXPECT_EQ(g_backgroundColor, 0xA56D39u);
  EXPECT_EQ(g_textureIndex, 2u);
  EXPECT_EQ(g_lastPath, "/kept");
}

TEST_F(SettingsTest, DefaultKeyIsTheUsersBrelmandPavlemirStore) {
  {
    CRegistryKey key;
    ASSERT_TRUE(key.Open());
    ASSERT_TRUE(key.Write4Bytes("Texture", 6));
  }
  QSettings user(QSettings::NativeFormat, QSettings::UserScope, "Brelmand", "Pavlemir");
  EXPECT_TRUE(user.fileName().endsWith("Brelmand/Pavlemir.conf"));
  EXPECT_EQ(user.value("Texture").toByteArray(), Bytes({6, 0, 0, 0}));
}

}  // namespace
