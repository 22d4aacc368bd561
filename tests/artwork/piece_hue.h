#pragma once

#include <QImage>
#include <optional>

namespace zorvel::artwork::test {

// The mean hue, in degrees from -180 to 180 (red near 0, green near 120), of the strongly coloured
// pixels of `picture` whose hue differs from `ground` at the same spot: the colour a piece adds to
// the board, leaving out its shadow, which only darkens the wood. Nothing when no pixel qualifies.
std::optional<double> PieceHue(const QImage& picture, const QImage& ground);

}  // namespace zorvel::artwork::test
