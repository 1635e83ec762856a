// The shell harness: the program folder, the frame, the player's input and the shown pixels.
#include "ShellHarness.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPixmap>
#include <QScreen>
#include <QTest>
#include <cstdio>

#include "TestPictures.h"
#include "library/PuzzleFileWriter.h"
#include "puzzle/PictureLoad.h"
#include "puzzle/RandomSequence.h"
#include "surface/PixelAccess.h"

namespace fs = std::filesystem;

namespace {

constexpr int kPieceSide = 40;  // size choice 5

// A puzzle of (width / 40) x (height / 40) unturned pieces from a test BMP kept in `pictures`.
void WritePuzzle(SurfaceService& service, const fs::path& pictures, const fs::path& qvx, int width,
                 int height) {
  const fs::path bmp = pictures / (qvx.stem().string() + ".bmp");
  WriteTestBmp(bmp, width, height);
  const auto picture = LoadPictureSurface(service, bmp.string(), true);
  ASSERT_NE(picture, nullptr) << bmp;
  NewPuzzle puzzle;
  puzzle.picturePath = bmp.string();
  puzzle.picture = picture.get();
  puzzle.sizeChoice = 5;
  puzzle.cols = width / kPieceSide;
  puzzle.rows = height / kPieceSide;
  std::unique_ptr<PuzzleRecord> record;
  ASSERT_TRUE(WriteNewPuzzleFile(service, qvx.string(), puzzle, record)) << qvx;
}

uint32_t ReadSurfacePixel(const ConstSurfaceLock& lock, const PixelFormatInfo& format, int x,
                          int y) {
  const uint8_t* at = lock.Row(y) + x * format.BytesPerPixel();
  return DispatchDepth(format.BytesPerPixel(), [at](auto pixel) { return pixel.Read(at); });
}

std::string Hex(int red, int green, int blue) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02x%02x%02x", red & 0xFF, green & 0xFF, blue & 0xFF);
  return text;
}

}  // namespace

bool WaitUntil(const std::function<bool()>& done, int timeoutMs) {
  QElapsedTimer waited;
  waited.start();
  while (!done()) {
    if (waited.elapsed() > timeoutMs) return false;
    QTest::qWait(10);
  }
  return true;
}

std::vector<std::string> FrameDifferences(const QImage& shown, const Surface& back,
                                          const Rect& area, int step) {
  std::vector<std::string> found;
  const PixelFormatInfo& format = back.Format();
  const ConstSurfaceLock lock = back.Lock();
  if (!lock) return {"the composed frame cannot be read"};
  // A channel of fewer than 8 bits is widened by the screen with its own low bits.
  const auto close = [](int seen, uint32_t composed, int bits) {
    return std::abs(seen - static_cast<int>(composed)) < (1 << (8 - bits));
  };
  for (int y = area.top; y < area.bottom && found.size() < 10; y += step) {
    for (int x = area.left; x < area.right && found.size() < 10; x += step) {
      const QRgb s = shown.pixel(x, y);
      const Channels c = format.ToRgb8(ReadSurfacePixel(lock, format, x, y));
      if (close(qRed(s), c.red, format.redBits) && close(qGreen(s), c.green, format.greenBits) &&
          close(qBlue(s), c.blue, format.blueBits))
        continue;
      found.push_back(
          std::to_string(x) + "," + std::to_string(y) + " shown " +
          Hex(qRed(s), qGreen(s), qBlue(s)) + " composed " +
          Hex(static_cast<int>(c.red), static_cast<int>(c.green), static_cast<int>(c.blue)));
    }
  }
  return found;
}

ShellHarness::ShellHarness(const PixelFormatInfo& format, bool splash) {
  SurfaceService service(format);
  const fs::path puzzles = folder_.Path() / "Puzzles";
  const fs::path pictures = folder_.Path() / "pictures";
  for (const char* pack : {kShapesPack, kUserPack, kZooPack}) {
    fs::create_directories(puzzles / pack);
    WriteTestJpeg(puzzles / pack / "Thumb.jpg", 40, 30);
  }
  fs::create_directories(pictures);
  WritePuzzle(service, pictures, puzzles / kShapesPack / "Strip.qvx", 120, 40);
  WritePuzzle(service, pictures, puzzles / kShapesPack / "Wide.qvx", 160, 120);
  WritePuzzle(service, pictures, puzzles / kUserPack / "Mine.qvx", 80, 80);
  for (int i = 1; i <= kZooPuzzles; ++i)
    WritePuzzle(service, pictures, puzzles / kZooPack / ("Animal" + std::to_string(i) + ".qvx"), 80,
                40);

  SeedRandom(2024);
  frame_ = std::make_unique<CMainFrame>(QString::fromStdString(folder_.Path().string()), format);
  frame_->ShowAndBegin(splash);
  EXPECT_TRUE(WaitUntil([this] { return View().GameObject() != nullptr; }))
      << "the view never made its game";
  frame_->activateWindow();
  EXPECT_TRUE(QTest::qWaitForWindowActive(frame_.get()));
}

ShellHarness::~ShellHarness() {
  frame_.reset();
}

Game& ShellHarness::TheGame() {
  Game* game = View().GameObject();
  if (game == nullptr) throw std::runtime_error("the view has no game");
  return *game;
}

PuzzlePack& ShellHarness::Pack(const std::string& name) {
  for (const auto& pack : TheGame().Library().packs)
    if (pack->name == name) return *pack;
  throw std::runtime_error("no pack " + name);
}

PuzzleRecord& ShellHarness::Puzzle(const std::string& pack, const std::string& name) {
  for (const auto& puzzle : Pack(pack).puzzles)
    if (puzzle->name == name) return *puzzle;
  throw std::runtime_error("no puzzle " + name);
}

fs::path ShellHarness::PuzzlePath(const std::string& pack, const std::string& name) const {
  return folder_.Path() / "Puzzles" / pack / (name + ".qvx");
}

QvxFields ShellHarness::ReadPuzzleFile(const std::string& pack, const std::string& name) const {
  QvxFields fields;
  EXPECT_TRUE(ReadQvx(ReadBytes(PuzzlePath(pack, name)), fields)) << name;
  return fields;
}

void ShellHarness::Click(QPoint at, Qt::MouseButton button) {
  QTest::mouseClick(&View(), button, {}, at);
}

void ShellHarness::DoubleClick(QPoint at) {
  QTest::mouseClick(&View(), Qt::LeftButton, {}, at);
  QTest::mouseDClick(&View(), Qt::LeftButton, {}, at);
  QTest::mouseRelease(&View(), Qt::LeftButton, {}, at);
}

void ShellHarness::Drag(QPoint from, QPoint to) {
  QTest::mousePress(&View(), Qt::LeftButton, {}, from);
  QTest::mouseMove(&View(), (from + to) / 2);
  QTest::mouseMove(&View(), to);
  QTest::mouseRelease(&View(), Qt::LeftButton, {}, to);
}

void ShellHarness::PressKey(Qt::Key key) {
  QWidget* focus = QApplication::focusWidget();
  ASSERT_NE(focus, nullptr) << "no widget has the keyboard focus";
  QTest::keyClick(focus, key);
}

void ShellHarness::ClickButton(QAbstractButton* button) {
  ASSERT_NE(button, nullptr);
  ASSERT_TRUE(button->isVisible()) << button->text().toStdString() << " is hidden";
  QTest::mouseClick(button, Qt::LeftButton);
}

void ShellHarness::Reactivate() {
  frame_->activateWindow();
  EXPECT_TRUE(QTest::qWaitForWindowActive(frame_.get()));
}

QImage ShellHarness::Shown() {
  // Updates are painted and flushed from the event loop.
  QTest::qWait(50);
  return frame_->screen()
      ->grabWindow(frame_->winId())
      .toImage()
      .convertToFormat(QImage::Format_RGB32);
}

Rect VisiblePuzzlesArea(const Game& game) {
  const Rect area = game.Layout().puzzlesArea;
  return {area.left + 4, area.top, area.right, area.bottom};
}

QPoint CellCentre(const PuzzleRecord& puzzle) {
  return {puzzle.cellLeft + kGalleryCellSize / 2, puzzle.cellTop + kGalleryCellSize / 2};
}

QPoint CellCentre(const PuzzlePack& pack) {
  return {pack.cellLeft + kGalleryCellSize / 2, pack.cellTop + kGalleryCellSize / 2};
}

PopupWatch::PopupWatch(std::function<void(QMenu&)> act) : act_(std::move(act)) {
  timer_.setInterval(10);
  QObject::connect(&timer_, &QTimer::timeout, [this] {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (menu == nullptr || !menu->isVisible()) return;
    timer_.stop();
    seen_ = menu;
    commands_ = MenuCommands(*menu);
    seenAt_ = menu->pos();
    act_(*menu);
  });
  timer_.start();
}

MessageBoxWatch::MessageBoxWatch(QMessageBox::StandardButton answer) {
  timer_.setInterval(10);
  QObject::connect(&timer_, &QTimer::timeout, [this, answer] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr || !box->isVisible()) return;
    timer_.stop();
    seen_ = true;
    title_ = box->windowTitle();
    text_ = box->text();
    icon_ = box->icon();
    QAbstractButton* button = box->button(answer);
    EXPECT_NE(button, nullptr) << "the message box has no such button";
    if (button != nullptr)
      QTest::mouseClick(button, Qt::LeftButton);
    else
      box->reject();
  });
  timer_.start();
}

void ChooseMenuItem(QMenu& menu, int command) {
  for (QAction* action : menu.actions()) {
    if (action->data().toInt() != command || action->menu() != nullptr) continue;
    QTest::mouseClick(&menu, Qt::LeftButton, {}, menu.actionGeometry(action).center());
    return;
  }
  ADD_FAILURE() << "the menu has no item for command " << command;
  menu.close();
}

std::vector<int> MenuCommands(const QMenu& menu) {
  std::vector<int> commands;
  for (const QAction* action : menu.actions())
    commands.push_back(action->isSeparator() || action->menu() ? 0 : action->data().toInt());
  return commands;
}
