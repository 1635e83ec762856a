// The animation strips drawn on the black key colour: the join sparkle and the particles.
#pragma once

#include <QImage>

// 16 frames of 24 x 23 side by side: a four-pointed star that flashes up and fades.
QImage DrawSparkle();
// 10 frames of 12 x 12 side by side: a glowing ball of colour `index` (0..5) that fades.
QImage DrawParticles(int index);
