#pragma once

#include <QImage>
#include <QPainterPath>

namespace zorvel::artwork {

// A cell-sized picture of the shape's shadow: black, at the given opacity, its border blurred over
// about `radius` cell pixels. Made at `scale` device pixels per cell pixel, with that device
// pixel ratio.
QImage SoftShadow(const QPainterPath& shape, double opacity, int radius, int scale);

}  // namespace zorvel::artwork
