// The view's events, painting and its side of the game's Host.
#include "CChildView.h"

#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMimeData>
#include <QPainter>
#include <QScreen>
#include <QStyle>

#include "CAboutDlg.h"
#include "CMainFrame.h"
#include "CNameDlg.h"
#include "CPicFileDialog.h"
#include "CPuzzleOptionsDlg.h"
#include "QtAudioOutput.h"
#include "ScreenFormat.h"
#include "Settings.h"
#include "ShellBitmaps.h"
#include "SurfaceImage.h"
#include "game/GameCommands.h"
#include "game/GameTexts.h"

namespace {

constexpr int kIdleIntervalMs = 16;
constexpr char kCaption[] = "Pavlemir";

ClientPoint PointOf(const QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  return {p.x(), p.y()};
}

QRect ToQRect(const Rect& r) {
  return {r.left, r.top, r.Width(), r.Height()};
}

ScrollCode CodeOf(int action) {
  switch (action) {
    case QAbstractSlider::SliderSingleStepSub:
      return ScrollCode::LineUp;
    case QAbstractSlider::SliderSingleStepAdd:
      return ScrollCode::LineDown;
    case QAbstractSlider::SliderPageStepSub:
      return ScrollCode::PageUp;
    case QAbstractSlider::SliderPageStepAdd:
      return ScrollCode::PageDown;
    case QAbstractSlider::SliderMove:
      return ScrollCode::ThumbTrack;
    default:
      return ScrollCode::Other;
  }
}

}  // namespace

CChildView::CChildView(CMainFrame& frame, QString programDir, const PixelFormatInfo& format)
    : QWidget(&frame),
      frame_(frame),
      programDir_(std::move(programDir)),
      service_(format),
      sound_(std::make_unique<JoinSound>(std::make_unique<QtAudioOutput>(),
                                         QDir(programDir_).filePath("Connect.wav").toStdString())),
      faultOnJoin_(PurposeFaultFromName(std::getenv(kFaultOnPurposeVariable))) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_NoSystemBackground);
  setFocusPolicy(Qt::StrongFocus);
  setAcceptDrops(true);
  clock_.start();
  idle_.setInterval(kIdleIntervalMs);
  connect(&idle_, &QTimer::timeout, this, &CChildView::RunIdle);

  const QImage faces = BitmapImage(bitmaps_, kButtonFacesBitmap);
  const auto send = [this](int command) { frame_.OnCommand(command); };
  MakeScrollBar(packsBar_, Qt::Horizontal, GalleryBar::Packs);
  MakeScrollBar(puzzlesBar_, Qt::Vertical, GalleryBar::Puzzles);
  panel_ = new SidePanel(this, faces, send);
  toolbar_ = new PlayToolbar(
      this, faces, BitmapImage(bitmaps_, kTimePanelBitmap), BitmapImage(bitmaps_, kDigitsBitmap),
      send,
      [this](QPoint at) {
        if (game_ && game_->Mode() != ViewMode::Celebration) frame_.Menus().Arrange().exec(at);
      },
      [this] {
        PlayToolbar::Clock shown;
        if (game_) {
          const ClockReading& r = game_->State().clock.shown;
          shown = {r.hours, r.minutes, r.seconds};
        }
        return shown;
      });
  const QImage empty = BitmapImage(bitmaps_, kEmptyBarBitmapId);
  const QImage filled = BitmapImage(bitmaps_, kFilledBarBitmapId);
  message_ = new CMessageWnd(this, empty, filled);
  pause_ = new CMessageWnd(this, empty, filled);
  for (QWidget* control : std::initializer_list<QWidget*>{packsBar_, puzzlesBar_, panel_, toolbar_})
    control->hide();
}

CChildView::~CChildView() = default;

void CChildView::MakeScrollBar(QScrollBar*& bar, Qt::Orientation orientation, GalleryBar which) {
  bar = new QScrollBar(orientation, this);
  bar->setRange(0, 1000);
  bar->setFocusPolicy(Qt::NoFocus);
  // The game keeps the position: each action goes to it, and the bar shows the game's answer.
  connect(bar, &QAbstractSlider::actionTriggered, this, [this, bar, which](int action) {
    if (!game_) return;
    game_->Scroll(which, CodeOf(action), bar->sliderPosition());
    bar->setSliderPosition(game_->ScrollBar(which).position);
  });
}

void CChildView::Begin(bool splash) {
  if (game_) return;
  if (splash) {
    splash_ = new SplashWnd(BitmapImage(bitmaps_, kSplashBitmap));
    splash_->show();
    splash_->repaint();
  }
  GameSetup setup{programDir_.toStdString(),
                  width(),
                  height(),
                  CurrentBackground(),
                  &text_,
                  style()->pixelMetric(QStyle::PM_ScrollBarExtent),
                  g_lastPath};
  game_ = std::make_unique<Game>(*this, service_, bitmaps_, std::move(setup));
  game_->Start();
  LayOutControls();
  ShowGalleryControls(true);
  update();
}

void CChildView::LayOutControls() {
  const GalleryLayout& layout = game_->Layout();
  packsBar_->setGeometry(ToQRect(layout.packsBar));
  puzzlesBar_->setGeometry(ToQRect(layout.puzzlesBar));
  panel_->setGeometry(ToQRect(layout.sidePanel));
  toolbar_->setGeometry(0, 0, width(), kPlayToolbarHeight);
  for (GalleryBar bar : {GalleryBar::Packs, GalleryBar::Puzzles})
    SetScrollBar(bar, game_->ScrollBar(bar));
}

bool CChildView::Command(int id) {
  if (!game_ || !game_->Command(id)) return false;
  g_lastPath = game_->LastPath();
  return true;
}

CommandState CChildView::QueryCommand(int id) const {
  if (!game_) return {id == kExitCommand, false};
  return game_->QueryCommand(id);
}

QStringList CChildView::Shutdown() {
  QStringList failed;
  if (!game_) return failed;
  idle_.stop();
  for (const SaveFailure& failure : game_->Shutdown())
    failed << QString::fromStdString(failure.path + ": " + failure.reason);
  return failed;
}

void CChildView::RunIdle() {
  if (!game_ || !game_->Idle()) idle_.stop();
}

void CChildView::paintEvent(QPaintEvent* event) {
  const Surface* back = game_ ? game_->BackSurface() : nullptr;
  QPainter painter(this);
  const QImage image = back != nullptr ? WrapSurface(*back, back->Lock()) : QImage();
  if (image.isNull()) {
    painter.fillRect(event->rect(), Qt::black);
    return;
  }
  // On a scaled display each composed pixel covers a square of device pixels, copied as it is.
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  for (const QRect& r : event->region()) painter.drawImage(r.topLeft(), image, r);
}

void CChildView::mousePressEvent(QMouseEvent* event) {
  if (!game_) return;
  if (event->button() == Qt::LeftButton) game_->LeftButtonDown(PointOf(event));
  if (event->button() == Qt::RightButton) game_->RightButtonDown(PointOf(event));
}

void CChildView::mouseReleaseEvent(QMouseEvent* event) {
  if (!game_) return;
  if (event->button() == Qt::LeftButton) game_->LeftButtonUp(PointOf(event));
  if (event->button() == Qt::RightButton) game_->RightButtonUp(PointOf(event));
}

void CChildView::mouseDoubleClickEvent(QMouseEvent* event) {
  if (!game_) return;
  if (event->button() == Qt::LeftButton) game_->LeftDoubleClick(PointOf(event));
  // A quick second right click turns the group once more.
  if (event->button() == Qt::RightButton) game_->RightButtonDown(PointOf(event));
}

void CChildView::mouseMoveEvent(QMouseEvent* event) {
  if (game_) game_->MouseMove(PointOf(event));
}

void CChildView::wheelEvent(QWheelEvent* event) {
  const int steps = (event->angleDelta().y() + event->angleDelta().x()) / 120;
  const QPoint p = event->position().toPoint();
  if (game_ && steps != 0) game_->Wheel({p.x(), p.y()}, steps);
}

void CChildView::keyPressEvent(QKeyEvent* event) {
  // Keys that reach no button come here from the toolbar too, which holds the view's focus.
  int key = 0;
  if (event->key() == Qt::Key_Escape) key = kEscapeKey;
  if (event->key() == Qt::Key_Z) key = kZKey;
  if (event->key() == Qt::Key_Y) key = kYKey;
  int modifiers = kNoModifier;
  if (event->modifiers() & Qt::ControlModifier) modifiers |= kControlModifier;
  if (event->modifiers() & Qt::ShiftModifier) modifiers |= kShiftModifier;
  if (game_ && key != 0) game_->KeyDown(key, modifiers);
  QWidget::keyPressEvent(event);
}

void CChildView::Present(const Surface&, const Rect& rect) {
  update(ToQRect(rect));
}

void CChildView::ScrollPresented(const Rect& area, int dy) {
  scroll(0, dy, ToQRect(area));
}

bool CChildView::AskYesNo(const std::string& text) {
  return QMessageBox::question(this, kCaption, QString::fromStdString(text),
                               QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

void CChildView::ShowMessage(const std::string& text, MessageIcon icon) {
  const QString message = QString::fromStdString(text);
  switch (icon) {
    case MessageIcon::Error:
      QMessageBox::critical(this, kCaption, message);
      break;
    case MessageIcon::Exclamation:
      QMessageBox::warning(this, kCaption, message);
      break;
    case MessageIcon::Question:
      QMessageBox::information(this, kCaption, message);
      break;
  }
}

void CChildView::OpenMessageWindow(const std::string& text, bool withProgress) {
  message_->Open(QString::fromStdString(text), withProgress);
}

void CChildView::SetProgress(int lower, int upper, int position) {
  message_->SetProgress(lower, upper, position);
}

void CChildView::CloseMessageWindow() {
  message_->Close();
}

void CChildView::SetSplashText(const std::string& text) {
  if (splash_) splash_->SetText(QString::fromStdString(text));
}

void CChildView::ShowPauseWindow(bool shown) {
  if (!shown) {
    pause_->hide();
    return;
  }
  pause_->Open(kPauseText, false);
}

void CChildView::ShowThumbnailWindow(bool shown) {
  frame_.Thumbnail().setVisible(shown);
}

void CChildView::SetThumbnailPicture(const Surface* picture, const Rect& source,
                                     bool placeDefault) {
  QImage image;
  if (picture != nullptr) {
    // The picture's centred part, as large as the finished puzzle.
    const int width = source.Width() - source.left, height = source.Height() - source.top;
    const QImage whole = WrapSurface(*picture, picture->Lock());
    if (!whole.isNull())
      image =
          whole
              .copy((picture->Width() - width) / 2, (picture->Height() - height) / 2, width, height)
              .convertToFormat(QImage::Format_RGB32);
  }
  frame_.Thumbnail().SetPicture(image, placeDefault);
}

void CChildView::MoveThumbnailWindow(const WindowRect& rect) {
  frame_.Thumbnail().MoveTo(rect);
}

// Qt keeps sending the mouse to the widget that took the press until the button goes up.
void CChildView::CaptureMouse(bool) {}

void CChildView::ShowPopupMenu(PopupMenu menu, ClientPoint at) {
  QMenu& popup = menu == PopupMenu::Play ? frame_.Menus().Play() : frame_.Menus().Gallery();
  popup.popup(mapToGlobal(QPoint(at.x, at.y)));
}

void CChildView::RunBackgroundDialog() {
  frame_.RunBackgroundDialog();
}

void CChildView::RepaintClock() {
  toolbar_->update(0, 0, PlayToolbar::kClockWidth, kPlayToolbarHeight);
}

void CChildView::ShowGalleryControls(bool shown) {
  packsBar_->setVisible(shown);
  puzzlesBar_->setVisible(shown);
  panel_->setVisible(shown);
  toolbar_->setVisible(!shown);
  setFocus();
}

void CChildView::SetScrollBar(GalleryBar which, const ScrollBarState& state) {
  QScrollBar* bar = Bar(which);
  const QSignalBlocker blocker(bar);
  bar->setEnabled(state.enabled);
  bar->setRange(0, std::max(0, state.max));
  bar->setPageStep(which == GalleryBar::Packs ? kPackPitch : kPuzzleRowPitch);
  bar->setSingleStep(which == GalleryBar::Packs ? 15 : 23);
  bar->setValue(state.position);
}

void CChildView::StartIdle() {
  if (!idle_.isActive()) idle_.start();
}

uint32_t CChildView::Milliseconds() {
  return static_cast<uint32_t>(clock_.elapsed());
}

DisplayMode CChildView::CurrentDisplayMode() {
  // On a scaled display the game's pixels are the scaled ones: so are the mode's.
  const QScreen* screen = QApplication::primaryScreen();
  const QSize size = screen->geometry().size();
  const auto format = SurfaceFormatFor(screen->depth(), std::getenv("PAVLEMIR_PIXEL_FORMAT"));
  return {size.width(), size.height(), format ? format->bitsPerPixel : screen->depth()};
}

void CChildView::PlayJoinSound() {
  FaultOnPurpose(faultOnJoin_);
  sound_->Play();
}

void CChildView::Quit() {
  QMetaObject::invokeMethod(&frame_, &QWidget::close, Qt::QueuedConnection);
}

std::optional<std::string> CChildView::ChoosePicture(const std::string& folder,
                                                     const std::string& selected) {
  CPicFileDialog chooser(this, BitmapImage(bitmaps_, kButtonFacesBitmap));
  return chooser.Choose(folder, selected);
}

std::optional<PuzzleOptions> CChildView::RunOptionsDialog(const OptionsRequest& request) {
  CPuzzleOptionsDlg dialog(this, BitmapImage(bitmaps_, kButtonFacesBitmap), request);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.Options();
}

std::optional<std::string> CChildView::RunNameDialog(const std::string& initial,
                                                     const NameRule& rule) {
  CNameDlg dialog(this, BitmapImage(bitmaps_, kButtonFacesBitmap), initial, rule);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.Name();
}

void CChildView::RunAboutDialog() {
  CAboutDlg dialog(this, bitmaps_);
  dialog.exec();
}

// One local file, onto the gallery.
bool CChildView::AcceptsDrop(const QMimeData* mime, QString* path) const {
  if (!game_ || game_->Mode() != ViewMode::Gallery || mime == nullptr) return false;
  const QList<QUrl> urls = mime->urls();
  if (urls.size() != 1 || !urls.front().isLocalFile()) return false;
  *path = urls.front().toLocalFile();
  return true;
}

void CChildView::dragEnterEvent(QDragEnterEvent* event) {
  QString path;
  if (AcceptsDrop(event->mimeData(), &path)) event->acceptProposedAction();
}

// The drop is finished first: the dragging program waits for its answer, and Create opens
// dialogs of its own.
void CChildView::dropEvent(QDropEvent* event) {
  QString path;
  if (!AcceptsDrop(event->mimeData(), &path)) return;
  event->acceptProposedAction();
  QMetaObject::invokeMethod(
      this,
      [this, path] {
        if (game_ && game_->DropPicture(path.toStdString())) g_lastPath = game_->LastPath();
      },
      Qt::QueuedConnection);
}
