// Choosing a puzzle's piece count and options.
#include "CPuzzleOptionsDlg.h"

#include <QLabel>

#include "library/ChoiceGrid.h"

namespace {

constexpr int kClientWidth = 210;
constexpr int kClientHeight = 320;
constexpr int kRowHeight = 22;

}  // namespace

CPuzzleOptionsDlg::CPuzzleOptionsDlg(QWidget* parent, const QImage& faces,
                                     const OptionsRequest& request)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      group_(new QButtonGroup(this)),
      rotation_(new QCheckBox("Rotation", this)),
      blackAndWhite_(new QCheckBox("Black'n'White", this)),
      ok_(new OwnerDrawButton("OK", 0, faces, false, this)),
      cancel_(new OwnerDrawButton("Cancel", 0, faces, false, this)) {
  setWindowTitle("Puzzle Options");
  setFixedSize(kClientWidth, kClientHeight);
  auto* title = new QLabel("Number of pieces:", this);
  title->setGeometry(20, 8, kClientWidth - 40, 18);
  const auto labels = ChoiceLabels(request.pictureWidth, request.pictureHeight, request.playArea);
  for (int k = 0; k < kPieceSizeChoiceCount; ++k) {
    const ChoiceLabel& label = labels[static_cast<std::size_t>(k)];
    auto* radio = new QRadioButton(QString::fromStdString(label.text), this);
    radio->setGeometry(30, 30 + k * kRowHeight, kClientWidth - 50, kRowHeight);
    radio->setEnabled(label.enabled);
    group_->addButton(radio, k);
    choices_[static_cast<std::size_t>(k)] = radio;
  }
  if (request.preset.choice >= 0 && request.preset.choice < kPieceSizeChoiceCount &&
      labels[static_cast<std::size_t>(request.preset.choice)].enabled)
    Choice(request.preset.choice).setChecked(true);
  const int checksTop = 30 + kPieceSizeChoiceCount * kRowHeight + 8;
  rotation_->setGeometry(20, checksTop, kClientWidth - 40, kRowHeight);
  blackAndWhite_->setGeometry(20, checksTop + kRowHeight, kClientWidth - 40, kRowHeight);
  rotation_->setChecked(request.preset.rotation);
  blackAndWhite_->setChecked(request.preset.blackAndWhite);
  ok_->move((kClientWidth - 90) / 2, kClientHeight - 56);
  cancel_->move((kClientWidth - 90) / 2, kClientHeight - 28);
  ok_->setEnabled(group_->checkedId() >= 0);
  connect(group_, &QButtonGroup::idToggled, this,
          [this] { ok_->setEnabled(group_->checkedId() >= 0); });
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
}

PuzzleOptions CPuzzleOptionsDlg::Options() const {
  return {group_->checkedId(), rotation_->isChecked(), blackAndWhite_->isChecked()};
}
