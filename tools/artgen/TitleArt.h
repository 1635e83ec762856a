// The title pictures: the splash, the about picture and the program icon.
#pragma once

#include <QImage>

// 533 x 400; the bottom sixth (66 rows) stays calm for the loading text written over it.
QImage DrawSplash();
// 360 x 160, the top of the about dialog.
QImage DrawAboutPicture();
// 100 x 75, the cover of the player's own pack: an empty piece outline waiting for a picture.
QImage DrawUserCover();
// 32 x 32, the window icon: a light piece on the dark blue.
QImage DrawIcon();
