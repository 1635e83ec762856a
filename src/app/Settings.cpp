// The settings store over QSettings, and loading and saving the four settings.
#include "Settings.h"

#include <QByteArray>
#include <QVariant>
#include <utility>

uint32_t g_backgroundColor = kDefaultBackgroundColor;
uint8_t g_textureEnabled = 1;
uint32_t g_textureIndex = 0;
std::string g_lastPath;
uint8_t g_displayScale = 0;

namespace {

constexpr char kBackgroundColor[] = "Background Color";
constexpr char kTextureEnable[] = "Texture Enable";
constexpr char kTexture[] = "Texture";
constexpr char kLastPath[] = "Last Path";
constexpr char kDisplayScale[] = "Display Scale";
constexpr uint8_t kScaleChoices = 3;

}  // namespace

CRegistryKey::CRegistryKey() = default;

CRegistryKey::CRegistryKey(QString filePath) : filePath_(std::move(filePath)) {}

CRegistryKey::~CRegistryKey() {
  Close();
}

bool CRegistryKey::Open() {
  if (settings_) return true;
  auto settings = filePath_.isEmpty()
                      ? std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                                    "Brelmand", "Pavlemir")
                      : std::make_unique<QSettings>(filePath_, QSettings::IniFormat);
  // A store with unreadable lines still opens: those values fail to read one by one and the
  // next save writes the file afresh. A store that cannot be read or written does not.
  if (settings->status() == QSettings::AccessError || !settings->isWritable()) return false;
  settings_ = std::move(settings);
  return true;
}

bool CRegistryKey::Close() {
  if (!settings_) return false;
  settings_.reset();
  return true;
}

bool CRegistryKey::Flush() {
  if (!settings_) return false;
  settings_->sync();
  return settings_->status() != QSettings::AccessError;
}

bool CRegistryKey::WriteString(const char* name, const std::string& text) {
  if (!settings_) return false;
  // The value keeps its terminating zero, so it holds length + 1 bytes.
  settings_->setValue(name,
                      QString::fromUtf8(text.c_str(), static_cast<qsizetype>(text.size() + 1)));
  return true;
}

bool CRegistryKey::WriteByte(const char* name, uint8_t value) {
  return WriteBinary(name, value, 1);
}

bool CRegistryKey::Write2Bytes(const char* name, uint16_t value) {
  return WriteBinary(name, value, 2);
}

bool CRegistryKey::Write4Bytes(const char* name, uint32_t value) {
  return WriteBinary(name, value, 4);
}

bool CRegistryKey::ReadString(const char* name, std::string& text) {
  if (!settings_) return false;
  const QVariant value = settings_->value(name);
  if (value.typeId() != QMetaType::QString) return false;
  QByteArray bytes = value.toString().toUtf8();
  // A value written without its zero still needs room for one.
  if (!bytes.endsWith('\0')) bytes.append('\0');
  if (bytes.size() > kMaxStringBytes) return false;
  text.assign(bytes.constData());
  return true;
}

bool CRegistryKey::ReadByte(const char* name, uint8_t& value) {
  uint32_t wide = 0;
  if (!ReadBinary(name, wide, 1)) return false;
  value = static_cast<uint8_t>(wide);
  return true;
}

bool CRegistryKey::Read2Bytes(const char* name, uint16_t& value) {
  uint32_t wide = 0;
  if (!ReadBinary(name, wide, 2)) return false;
  value = static_cast<uint16_t>(wide);
  return true;
}

bool CRegistryKey::Read4Bytes(const char* name, uint32_t& value) {
  return ReadBinary(name, value, 4);
}

bool CRegistryKey::WriteBinary(const char* name, uint32_t value, int size) {
  if (!settings_) return false;
  QByteArray bytes(size, '\0');
  for (int i = 0; i < size; ++i) bytes[i] = static_cast<char>((value >> (8 * i)) & 0xFF);
  settings_->setValue(name, bytes);
  return true;
}

bool CRegistryKey::ReadBinary(const char* name, uint32_t& value, int size) {
  if (!settings_) return false;
  const QVariant stored = settings_->value(name);
  if (stored.typeId() != QMetaType::QByteArray) return false;
  const QByteArray bytes = stored.toByteArray();
  if (bytes.size() != size) return false;
  value = 0;
  for (int i = 0; i < size; ++i)
    value |= static_cast<uint32_t>(static_cast<uint8_t>(bytes[i])) << (8 * i);
  return true;
}

void LoadSettings(CRegistryKey& key) {
  if (!key.Read4Bytes(kBackgroundColor, g_backgroundColor))
    g_backgroundColor = kDefaultBackgroundColor;
  key.ReadByte(kTextureEnable, g_textureEnabled);
  // Only textures 0 to 8 exist; another number would leave the background without one.
  if (key.Read4Bytes(kTexture, g_textureIndex) && g_textureIndex >= kTextureCount)
    g_textureIndex = 0;
  key.ReadString(kLastPath, g_lastPath);
}

void LoadScaleSetting(CRegistryKey& key) {
  uint8_t value = 0;
  if (key.ReadByte(kDisplayScale, value) && value < kScaleChoices) g_displayScale = value;
}

void SaveSettings(CRegistryKey& key) {
  key.Write4Bytes(kBackgroundColor, g_backgroundColor);
  key.WriteByte(kTextureEnable, g_textureEnabled);
  key.Write4Bytes(kTexture, g_textureIndex);
  key.WriteString(kLastPath, g_lastPath);
  key.WriteByte(kDisplayScale, g_displayScale);
}

TileSettings CurrentBackground() {
  return {g_backgroundColor, g_textureEnabled != 0, static_cast<int>(g_textureIndex)};
}
