// The outline of a jigsaw piece, the motif of the boxes, the splash and the icon.
#include "PiecePath.h"

#include <array>

namespace {

// One side from `from` to `to`; `outward` is the unit normal pointing away from the body.
void AddSide(QPainterPath& path, QPointF from, QPointF to, QPointF outward, int kind) {
  if (kind == 0) {
    path.lineTo(to);
    return;
  }
  const QPointF along = to - from;
  const double side = std::hypot(along.x(), along.y());
  const QPointF n = outward * (kind * side);
  auto at = [&](double t, double out) { return from + along * t + n * out; };
  path.lineTo(at(0.38, 0));
  path.cubicTo(at(0.42, 0.06), at(0.30, 0.25), at(0.5, 0.26));
  path.cubicTo(at(0.70, 0.25), at(0.58, 0.06), at(0.62, 0));
  path.lineTo(to);
}

}  // namespace

QPainterPath PiecePath(const QRectF& body, int top, int right, int bottom, int left) {
  const std::array<QPointF, 4> corners{body.topLeft(), body.topRight(), body.bottomRight(),
                                       body.bottomLeft()};
  const std::array<QPointF, 4> outward{QPointF(0, -1), QPointF(1, 0), QPointF(0, 1),
                                       QPointF(-1, 0)};
  const std::array<int, 4> kinds{top, right, bottom, left};
  QPainterPath path(corners[0]);
  for (std::size_t i = 0; i < 4; ++i)
    AddSide(path, corners[i], corners[(i + 1) % 4], outward[i], kinds[i]);
  path.closeSubpath();
  return path;
}
