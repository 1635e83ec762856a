// The outline of a jigsaw piece, the motif of the boxes, the splash and the icon.
#pragma once

#include <QPainterPath>
#include <QRectF>

// A piece whose square body is `body`; each side has a tab (+1), a hollow (-1) or is flat (0),
// in the order top, right, bottom, left. Tabs reach a quarter of the side beyond the body.
QPainterPath PiecePath(const QRectF& body, int top, int right, int bottom, int left);
