// The four settings the game keeps between runs and the key object of the settings store.
#pragma once

#include <QSettings>
#include <QString>
#include <cstdint>
#include <memory>
#include <string>

#include "paint/TileFill.h"

// The play-field background colour: red in the low byte, then green, then blue.
extern uint32_t g_backgroundColor;
// Non-zero: the background is tiled with the chosen texture.
extern uint8_t g_textureEnabled;
// Texture 0 to 8 (bitmap 217 + n).
extern uint32_t g_textureIndex;
// The folder last used to pick a picture.
extern std::string g_lastPath;
// How the display is scaled on high-density screens, a ScaleChoice: 0 auto, 1 or 2.
extern uint8_t g_displayScale;

// The key "Brelmand/Pavlemir" of the user's settings store. Every operation answers false when
// it fails, and every read or write fails while the key is closed. Binary values are byte
// arrays of exactly their size, little-endian, so a value of another size or type never reads.
class CRegistryKey {
 public:
  // The user's own store.
  CRegistryKey();
  // A store in the given file instead (INI format).
  explicit CRegistryKey(QString filePath);
  ~CRegistryKey();
  CRegistryKey(const CRegistryKey&) = delete;
  CRegistryKey& operator=(const CRegistryKey&) = delete;

  // Opens the key, creating the store when it is first written; fails when the store cannot
  // be read or written.
  bool Open();
  bool Close();
  bool Flush();

  // A string value holds its text and the terminating zero.
  bool WriteString(const char* name, const std::string& text);
  bool WriteByte(const char* name, uint8_t value);
  bool Write2Bytes(const char* name, uint16_t value);
  bool Write4Bytes(const char* name, uint32_t value);

  // At most kMaxStringBytes bytes with the zero are read; the text ends at the first zero.
  bool ReadString(const char* name, std::string& text);
  bool ReadByte(const char* name, uint8_t& value);
  bool Read2Bytes(const char* name, uint16_t& value);
  bool Read4Bytes(const char* name, uint32_t& value);

  static constexpr int kMaxStringBytes = 1024;

 private:
  bool WriteBinary(const char* name, uint32_t value, int size);
  bool ReadBinary(const char* name, uint32_t& value, int size);

  QString filePath_;  // empty: the user's own store
  std::unique_ptr<QSettings> settings_;
};

constexpr uint32_t kDefaultBackgroundColor = 0xA56D39;
constexpr uint32_t kTextureCount = 9;

// Reads the display scale, before the application is made (it decides how the application
// sees the screen); a value that does not read or names no choice keeps the current one.
void LoadScaleSetting(CRegistryKey& key);

// Reads the four settings. A colour that does not read becomes the default colour; the others
// keep their values when they do not read, and a texture number out of range becomes 0.
void LoadSettings(CRegistryKey& key);
// Writes the four settings and the display scale.
void SaveSettings(CRegistryKey& key);

// The background the settings describe, for the tiles.
TileSettings CurrentBackground();
