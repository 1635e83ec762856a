// The picture chooser and its preview panel.
#include "CPicFileDialog.h"

#include <QApplication>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QLineEdit>
#include <QPainter>
#include <QScreen>
#include <QStandardPaths>

#include "CPreviewDlg.h"

namespace {

// The three patterns, in either case: pictures from cameras are often named in upper case.
const QStringList kPicturePatterns = {"*.bmp", "*.jpg", "*.jpeg"};

}  // namespace

QImage PreviewImage(const std::string& path, int boxWidth, int boxHeight, int* pictureWidth,
                    int* pictureHeight) {
  std::optional<PreviewPicture> picture = LoadPreviewPicture(path, boxWidth, boxHeight);
  if (!picture) return {};
  *pictureWidth = picture->pictureWidth;
  *pictureHeight = picture->pictureHeight;
  QImage image(picture->width, picture->height, QImage::Format_RGB32);
  if (image.isNull()) return {};
  for (int y = 0; y < picture->height; ++y)
    std::copy_n(picture->pixels.data() + static_cast<std::size_t>(y) * picture->width,
                picture->width, reinterpret_cast<uint32_t*>(image.scanLine(y)));
  return image;
}

PicturePreviewPanel::PicturePreviewPanel(QWidget* parent, const QImage& faces)
    : QWidget(parent),
      size_(new QLabel(this)),
      button_(new OwnerDrawButton("Preview", 0, faces, false, this)) {
  setFixedSize(240, FrameRect().bottom() + 6);
  size_->setGeometry(FrameRect().left(), 4, 130, 18);
  button_->move(FrameRect().right() + 1 - button_->width(), 0);
  connect(button_, &QPushButton::clicked, this, &PicturePreviewPanel::OpenPreview);
}

void PicturePreviewPanel::ShowFile(const QString& path) {
  file_ = path;
  preview_ = drawn_ = QImage();
  pictureWidth_ = pictureHeight_ = 0;
  const QRect frame = FrameRect();
  if (QFileInfo(path).isFile())
    preview_ = PreviewImage(path.toStdString(), frame.width(), frame.height(), &pictureWidth_,
                            &pictureHeight_);
  if (!preview_.isNull()) {
    const PreviewSize fitted =
        PreviewFrameFit(frame.width(), frame.height(), pictureWidth_, pictureHeight_);
    drawn_ = preview_.scaled(std::max(1, fitted.width), std::max(1, fitted.height),
                             Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  }
  size_->setText(preview_.isNull() ? QString()
                                   : QString("%1 x %2").arg(pictureWidth_).arg(pictureHeight_));
  update();
}

void PicturePreviewPanel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QRect frame = FrameRect();
  painter.fillRect(frame, palette().color(QPalette::Button));
  if (!drawn_.isNull()) painter.drawImage(frame.topLeft(), drawn_);
  painter.setPen(Qt::black);
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(frame.adjusted(-1, -1, 0, 0));
}

// The Preview window shows the picture at 1:1 or at half size: it is read at that size only.
void PicturePreviewPanel::OpenPreview() {
  if (preview_.isNull()) return;
  const QWidget* top = window();
  const QSize extra = top->frameGeometry().size() - top->geometry().size();
  const QSize screen = QApplication::primaryScreen()->geometry().size();
  const PreviewWindowFit fit = FitPreviewWindow(pictureWidth_, pictureHeight_, extra.width(),
                                                extra.height(), screen.width(), screen.height());
  QApplication::setOverrideCursor(Qt::WaitCursor);
  int width = 0, height = 0;
  const QImage picture = PreviewImage(file_.toStdString(), fit.halfSize ? fit.client.width : 0,
                                      fit.halfSize ? fit.client.height : 0, &width, &height);
  QApplication::restoreOverrideCursor();
  if (picture.isNull()) return;
  CPreviewDlg preview(this, picture, fit);
  preview.exec();
}

CPicFileDialog::CPicFileDialog(QWidget* parent, const QImage& faces)
    : QFileDialog(parent, "Open"), panel_(new PicturePreviewPanel(this, faces)) {
  setOption(QFileDialog::DontUseNativeDialog);
  setFileMode(QFileDialog::ExistingFile);
  setAcceptMode(QFileDialog::AcceptOpen);
  setNameFilter(kPictureFilter);
  // The filter's text lists its patterns with commas, which the dialog would take as one
  // pattern: the list itself goes to the file model, where it matches in any case.
  if (auto* model = findChild<QFileSystemModel*>()) {
    model->setFilter(model->filter() & ~QDir::CaseSensitive);
    model->setNameFilters(kPicturePatterns);
  }
  if (auto* grid = qobject_cast<QGridLayout*>(layout()))
    grid->addWidget(panel_, 0, grid->columnCount(), grid->rowCount(), 1, Qt::AlignTop);
  connect(this, &QFileDialog::currentChanged, panel_, &PicturePreviewPanel::ShowFile);
  if (auto* name = findChild<QLineEdit*>("fileNameEdit")) {
    connect(name, &QLineEdit::textChanged, this, [this](const QString& text) {
      const QFileInfo typed(QDir(directory()).filePath(text));
      if (typed.isFile() && typed.absoluteFilePath() != panel_->File())
        panel_->ShowFile(typed.absoluteFilePath());
    });
  }
  resize(860, 480);
}

std::optional<std::string> CPicFileDialog::Choose(const std::string& folder,
                                                  const std::string& selected) {
  QString start = QString::fromStdString(folder);
  if (start.isEmpty() || !QFileInfo(start).isDir()) {
    start = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (!QFileInfo(start).isDir()) start = QDir::homePath();
  }
  setDirectory(start);
  panel_->ShowFile({});
  if (!selected.empty()) {
    selectFile(QString::fromStdString(selected));
    panel_->ShowFile(QString::fromStdString(selected));
  }
  if (exec() != QDialog::Accepted || selectedFiles().isEmpty()) return std::nullopt;
  return selectedFiles().front().toStdString();
}

void CPicFileDialog::showEvent(QShowEvent* event) {
  QFileDialog::showEvent(event);
  const QRect screen = QApplication::primaryScreen()->availableGeometry();
  const QRect frame = frameGeometry();
  move(screen.center() - QPoint(frame.width() / 2, frame.height() / 2));
}
