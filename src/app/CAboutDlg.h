// The About dialog: the game's picture, its version, OK and Visit Site.
#pragma once

#include <QDialog>
#include <QLabel>

#include "OwnerDrawButton.h"
#include "surface/BitmapProvider.h"

// Where Visit Site leads: the game's README until the game has a site of its own.
inline constexpr char kHomePageUrl[] = PAVLEMIR_HOME_PAGE;

// The picture (bitmap 215) fills the top; "version 1.0.4" sits at the right below it, OK at the
// right and the wide Visit Site at the left under that. Visit Site opens the home page and
// leaves the dialog open.
class CAboutDlg final : public QDialog {
 public:
  CAboutDlg(QWidget* parent, const BitmapProvider& bitmaps);

  QLabel& Version() { return *version_; }
  OwnerDrawButton& OkButton() { return *ok_; }
  OwnerDrawButton& VisitSiteButton() { return *visit_; }

 private:
  QLabel* version_;
  OwnerDrawButton* ok_;
  OwnerDrawButton* visit_;
};
