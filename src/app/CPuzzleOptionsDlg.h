// The Puzzle options dialog: how many pieces, Rotation and Black'n'White.
#pragma once

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialog>
#include <QImage>
#include <QRadioButton>
#include <array>

#include "OwnerDrawButton.h"
#include "game/PuzzleDialogs.h"
#include "puzzle/PieceSizeChoice.h"

// Eight radio buttons, one per piece size, each labelled "N pieces" with the count the fit
// rule gives the picture, or empty and disabled when the choice gives fewer than 2 columns or
// rows. The preset choice is checked (the game moves it on to an offered one); with none
// checked OK stays disabled until the player checks one.
class CPuzzleOptionsDlg final : public QDialog {
 public:
  CPuzzleOptionsDlg(QWidget* parent, const QImage& faces, const OptionsRequest& request);

  QRadioButton& Choice(int k) { return *choices_[static_cast<std::size_t>(k)]; }
  QCheckBox& Rotation() { return *rotation_; }
  QCheckBox& BlackAndWhite() { return *blackAndWhite_; }
  OwnerDrawButton& OkButton() { return *ok_; }
  OwnerDrawButton& CancelButton() { return *cancel_; }
  // The options read from the controls (after OK).
  PuzzleOptions Options() const;

 private:
  std::array<QRadioButton*, kPieceSizeChoiceCount> choices_{};
  QButtonGroup* group_;
  QCheckBox* rotation_;
  QCheckBox* blackAndWhite_;
  OwnerDrawButton* ok_;
  OwnerDrawButton* cancel_;
};
