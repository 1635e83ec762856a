// The main frame's creation, command routing and closing.
#include "CMainFrame.h"

#include <QApplication>
#include <QCloseEvent>
#include <QIcon>
#include <QMessageBox>
#include <QPixmap>
#include <QScreen>
#include <QTimer>

#include "CBackgroundDlg.h"
#include "ShellBitmaps.h"
#include "game/GameCommands.h"
#include "game/GameTexts.h"

CMainFrame::CMainFrame(const QString& programDir, const PixelFormatInfo& format)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint),
      view_(new CChildView(*this, programDir, format)) {
  setWindowTitle("Pavlemir");
  setWindowIcon(QIcon(QPixmap::fromImage(BitmapImage(EmbeddedBitmaps(), kIconBitmap))));
  setAttribute(Qt::WA_OpaquePaintEvent);
  menus_ = std::make_unique<GameMenus>(
      this, [this](int id) { return view_->QueryCommand(id); }, [this](int id) { OnCommand(id); });
  thumbnail_ = new CThumbnailWnd(this, [this](const WindowRect& rect) {
    if (Game* game = view_->GameObject()) game->ThumbnailPlaced(rect);
  });
}

CMainFrame::~CMainFrame() = default;

void CMainFrame::ShowAndBegin(bool splash) {
  setGeometry(QApplication::primaryScreen()->geometry());
  show();
  QTimer::singleShot(0, this, [this, splash] {
    setFixedSize(size());
    view_->setGeometry(rect());
    view_->Begin(splash);
    view_->setFocus();
  });
}

void CMainFrame::OnCommand(int id) {
  if (view_->Command(id)) return;
  if (id == kExitCommand) close();
}

void CMainFrame::RunBackgroundDialog() {
  Game* game = view_->GameObject();
  if (game == nullptr) return;
  CBackgroundDlg dialog(this, EmbeddedBitmaps(), [game](const TileSettings& background) {
    game->SetBackground(background);
  });
  dialog.exec();
}

void CMainFrame::closeEvent(QCloseEvent* event) {
  if (!closed_) {
    closed_ = true;
    thumbnail_->hide();
    const QStringList failed = view_->Shutdown();
    if (!failed.isEmpty())
      QMessageBox::warning(this, "Pavlemir", kGameNotSaved + failed.join("\n"));
  }
  event->accept();
}

void CMainFrame::resizeEvent(QResizeEvent*) {
  if (view_->GameObject() == nullptr) view_->setGeometry(rect());
}

void CMainFrame::focusInEvent(QFocusEvent*) {
  view_->setFocus();
}
