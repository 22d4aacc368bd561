#pragma once

#include <QImage>

namespace zorvel::artwork {

// The program's icon: a glossy stone of the side's colour (0 green, 1 red), seen slightly from
// above, on a transparent ground, `size` pixels square.
QImage StoneIcon(int side, int size);

}  // namespace zorvel::artwork
