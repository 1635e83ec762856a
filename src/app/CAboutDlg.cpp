// The About dialog's layout and its link.
#include "CAboutDlg.h"

#include <QDesktopServices>
#include <QPixmap>
#include <QUrl>

#include "ShellBitmaps.h"

namespace {

constexpr int kAboutBitmap = 215;

}  // namespace

CAboutDlg::CAboutDlg(QWidget* parent, const BitmapProvider& bitmaps)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      version_(new QLabel("version 1.0.4", this)),
      ok_(new OwnerDrawButton("OK", 0, BitmapImage(bitmaps, kButtonFacesBitmap), false, this)),
      visit_(new OwnerDrawButton("Visit Site", 0, BitmapImage(bitmaps, kWideButtonFacesBitmap),
                                 true, this)) {
  setWindowTitle("About Pavlemir");
  const QImage picture = BitmapImage(bitmaps, kAboutBitmap);
  auto* pictureLabel = new QLabel(this);
  pictureLabel->setPixmap(QPixmap::fromImage(picture));
  pictureLabel->setGeometry(0, 0, picture.width(), picture.height());
  version_->adjustSize();
  const int width = picture.width();
  const int textHeight = version_->height();
  setFixedSize(width, picture.height() + textHeight + 38);
  version_->move(width - version_->width() - 5, picture.height() + 5);
  const int buttonsTop = picture.height() + textHeight + 10;
  ok_->move(width - 95, buttonsTop);
  visit_->move(5, buttonsTop);
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
  connect(visit_, &QPushButton::clicked, this,
          [] { QDesktopServices::openUrl(QUrl(QString::fromLatin1(kHomePageUrl))); });
}
