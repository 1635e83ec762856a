// What the shell's benchmarks share: a temporary program folder and the screen they run on.
#pragma once

#include <stdlib.h>

#include <QtGlobal>
#include <filesystem>
#include <fstream>
#include <string>

namespace shellbench {

inline constexpr int kScreenWidth = 1920;
inline constexpr int kScreenHeight = 1080;

// A fresh folder under the temporary directory, removed with everything in it when this goes.
// Path() is empty when it could not be made.
class TempFolder {
 public:
  explicit TempFolder(const std::string& prefix) {
    std::string pattern = (std::filesystem::temp_directory_path() / (prefix + "-XXXXXX")).string();
    if (mkdtemp(pattern.data()) != nullptr) path_ = pattern;
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  ~TempFolder() {
    std::error_code error;
    if (!path_.empty()) std::filesystem::remove_all(path_, error);
  }
  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// Unless a platform was chosen already: the offscreen platform with one 1920 x 1080 screen,
// described in a file written into `folder`, so that the frame covers that screen as it would
// a real one. The view works in device pixels, as the game's own start sets it up.
inline void UseOffscreenScreen(const std::filesystem::path& folder) {
  if (qEnvironmentVariableIsEmpty("QT_ENABLE_HIGHDPI_SCALING"))
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
  if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) return;
  const std::filesystem::path config = folder / "offscreen-screen.json";
  std::ofstream(config) << R"({"screens": [{"name": "bench", "x": 0, "y": 0, "width": )"
                        << kScreenWidth << R"(, "height": )" << kScreenHeight
                        << R"(, "logicalDpi": 96, "logicalBaseDpi": 96}]})";
  qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config.string()).c_str());
}

}  // namespace shellbench
