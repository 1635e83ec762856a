// The gallery's dialogs in the shell: Create through the picture chooser, the options and the
// name dialog; a picture dropped on the gallery; the options dialog's OK; the preview panel
// and the About dialog's layout.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <vector>

#include "CAboutDlg.h"
#include "CNameDlg.h"
#include "CPicFileDialog.h"
#include "CPuzzleOptionsDlg.h"
#include "Settings.h"
#include "ShellBitmaps.h"
#include "ShellHarness.h"
#include "TestPictures.h"
#include "assets/EmbeddedBitmaps.h"
#include "game/GameCommands.h"
#include "game/GameTexts.h"

// After the game's headers (see BackgroundDialogTest.cpp).
#include <QApplication>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPointer>
#include <QTest>
#include <QUrl>

namespace {

namespace fs = std::filesystem;

// Acts on each modal window as it comes up, in order: a step per window shown (a dialog shown
// again after a message box over it counts again). Windows after the last step are left alone.
class ModalSteps {
 public:
  using Step = std::function<void(QWidget&)>;
  explicit ModalSteps(std::vector<Step> steps) : steps_(std::move(steps)) {
    timer_.setInterval(10);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      QWidget* modal = QApplication::activeModalWidget();
      if (modal == nullptr || !modal->isVisible() || modal == last_) return;
      last_ = modal;
      Step& step = steps_[next_++];
      if (next_ == steps_.size()) timer_.stop();
      // Run from the event loop: a step that opens a message box must not hold up this timer.
      QTimer::singleShot(0, modal, [&step, modal] { step(*modal); });
    });
    timer_.start();
  }
  bool Done() const { return next_ == steps_.size(); }

 private:
  QTimer timer_;
  std::vector<Step> steps_;
  std::size_t next_ = 0;
  QPointer<QWidget> last_;
};

template <typename Dialog>
Dialog* As(QWidget& widget) {
  auto* dialog = dynamic_cast<Dialog*>(&widget);
  if (dialog == nullptr) {
    ADD_FAILURE() << "not the expected dialog: " << widget.windowTitle().toStdString();
    widget.close();
  }
  return dialog;
}

ModalSteps::Step OptionsStep(int choice) {
  return [choice](QWidget& widget) {
    auto* options = qobject_cast<QDialog*>(&widget);
    if (options == nullptr || options->windowTitle() != "Puzzle Options") {
      ADD_FAILURE() << "no options dialog";
      widget.close();
      return;
    }
    auto* radio = options->findChildren<QRadioButton*>().value(choice);
    if (radio != nullptr) QTest::mouseClick(radio, Qt::LeftButton);
    for (auto* button : options->findChildren<OwnerDrawButton*>())
      if (button->text() == "OK") QTest::mouseClick(button, Qt::LeftButton);
  };
}

void SendDrop(QWidget& view, const fs::path& file) {
  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(QString::fromStdString(file.string()))});
  const QPoint at(600, 400);
  QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&view, &enter);
  ASSERT_TRUE(enter.isAccepted());
  QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&view, &drop);
  ASSERT_TRUE(drop.isAccepted());
}

TEST(ManagementDialogs, CreateGoesThroughTheChooserTheOptionsAndTheNameDialog) {
  // The chooser opens where the last picture was chosen, as the settings had it at the start.
  const TempFolder folder;
  const fs::path pictures = folder.Path();
  WriteTestJpeg(pictures / "sunset.beach.jpg", 800, 600);
  g_lastPath = pictures.string();
  ShellHarness h;
  const fs::path user = h.PuzzlePath(kUserPack, "Mine").parent_path();
  ModalSteps steps({
      [&](QWidget& widget) {
        auto* chooser = As<CPicFileDialog>(widget);
        if (chooser == nullptr) return;
        EXPECT_EQ(chooser->directory().absolutePath().toStdString(), pictures.string());
        EXPECT_EQ(chooser->nameFilters(), QStringList{kPictureFilter});
        // The preview follows the name typed: the size, and the picture fitted to the frame.
        auto* name = chooser->findChild<QLineEdit*>("fileNameEdit");
        ASSERT_NE(name, nullptr);
        name->setText("sunset.beach.jpg");
        EXPECT_EQ(chooser->Panel().SizeText(), "800 x 600");
        EXPECT_EQ(chooser->Panel().Drawn().size(), QSize(234, 175));
        QTest::keyClick(name, Qt::Key_Return);
      },
      OptionsStep(5),
      [](QWidget& widget) {
        auto* name = As<CNameDlg>(widget);
        if (name == nullptr) return;
        EXPECT_EQ(name->Edit().text(), "sunset.beach");
        name->Edit().setText("Mine");
        QTest::mouseClick(&name->OkButton(), Qt::LeftButton);
      },
      [](QWidget& widget) {
        auto* box = As<QMessageBox>(widget);
        if (box == nullptr) return;
        EXPECT_EQ(box->text().toStdString(), kNameTakenText);
        box->accept();
      },
      [](QWidget& widget) {
        auto* name = As<CNameDlg>(widget);
        if (name == nullptr) return;
        EXPECT_TRUE(name->isVisible());
        EXPECT_EQ(name->Edit().selectedText(), "Mine");
        QTest::keyClicks(&name->Edit(), "Sun.set");
        QTest::keyClick(&name->Edit(), Qt::Key_Return);
      },
  });
  h.ClickButton(h.View().Panel()->Button(kCreateCommand));
  EXPECT_TRUE(steps.Done());
  EXPECT_TRUE(fs::exists(user / "Sunset.qvx"));
  const PuzzlePack& pack = h.Pack(kUserPack);
  ASSERT_NE(pack.currentPuzzle, nullptr);
  EXPECT_EQ(pack.currentPuzzle->name, "Sunset");
  EXPECT_EQ(pack.currentPuzzle->sizeChoice, 5);
  EXPECT_EQ(g_lastPath, pictures.string());
}

TEST(ManagementDialogs, ADroppedPictureOpensTheOptionsAndOtherFilesAreRefused) {
  ShellHarness h;
  const fs::path folder = h.PuzzlePath(kUserPack, "Mine").parent_path().parent_path().parent_path();
  WriteTestBmp(folder / "dropped.bmp", 160, 120);
  WriteBytes(folder / "notes.txt", {'h', 'i', '\n'});
  bool sawOptions = false;
  ModalSteps steps({[&](QWidget& widget) {
    auto* options = As<CPuzzleOptionsDlg>(widget);
    if (options == nullptr) return;
    sawOptions = true;
    EXPECT_EQ(options->Choice(4).text(), "4 pieces");
    QTest::mouseClick(&options->CancelButton(), Qt::LeftButton);
  }});
  SendDrop(h.View(), folder / "dropped.bmp");
  EXPECT_TRUE(
      WaitUntil([&] { return sawOptions && QApplication::activeModalWidget() == nullptr; }));

  MessageBoxWatch refusal(QMessageBox::Ok);
  SendDrop(h.View(), folder / "notes.txt");
  EXPECT_TRUE(WaitUntil([&] { return refusal.Seen(); }));
  EXPECT_EQ(refusal.Text().toStdString(), kPictureLoadError);
  EXPECT_EQ(refusal.Icon(), QMessageBox::Critical);
  EXPECT_EQ(h.Pack(kUserPack).puzzles.size(), 1u);
}

TEST(ManagementDialogs, OptionsDialogWaitsForAChoiceBeforeOk) {
  EmbeddedBitmaps bitmaps;
  const QImage faces;
  OptionsRequest request{300, 200, {0, 32, 1024, 768}, {-1, true, false}};
  CPuzzleOptionsDlg dialog(nullptr, faces, request);
  EXPECT_FALSE(dialog.Choice(0).isEnabled());
  EXPECT_EQ(dialog.Choice(0).text(), "");
  EXPECT_EQ(dialog.Choice(1).text(), "6 pieces");
  EXPECT_EQ(dialog.Choice(7).text(), "150 pieces");
  EXPECT_TRUE(dialog.Rotation().isChecked());
  EXPECT_FALSE(dialog.OkButton().isEnabled());
  dialog.Choice(7).setChecked(true);
  EXPECT_TRUE(dialog.OkButton().isEnabled());
  EXPECT_EQ(dialog.Options(), (PuzzleOptions{7, true, false}));
  EXPECT_EQ(dialog.OkButton().pos(), QPoint((dialog.width() - 90) / 2, dialog.height() - 56));
}

TEST(ManagementDialogs, AboutDialogSitsItsButtonsUnderThePicture) {
  EmbeddedBitmaps bitmaps;
  CAboutDlg about(nullptr, bitmaps);
  const QImage picture = BitmapImage(bitmaps, 215);
  ASSERT_FALSE(picture.isNull());
  const int text = about.Version().height();
  EXPECT_EQ(about.Version().text(), "version 1.0.4");
  EXPECT_EQ(about.size(), QSize(picture.width(), picture.height() + text + 38));
  EXPECT_EQ(about.OkButton().geometry(),
            QRect(picture.width() - 95, picture.height() + text + 10, 90, 23));
  EXPECT_EQ(about.VisitSiteButton().geometry(), QRect(5, picture.height() + text + 10, 181, 23));
  EXPECT_TRUE(QString(kHomePageUrl).endsWith("README.md"));
}

}  // namespace
