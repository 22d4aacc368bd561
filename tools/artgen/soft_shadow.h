#pragma once

#include <QImage>
#include <QPainterPath>

namespace zorvel::artwork {

// A cell-sized picture of the shape's shadow: black, at the given opacity, its border blurred over
// about `radius` pixels.
QImage SoftShadow(const QPainterPath& shape, double opacity, int radius);

}  // namespace zorvel::artwork
