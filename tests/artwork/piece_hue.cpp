#include "piece_hue.h"

#include <QColor>
#include <cmath>
#include <numbers>

namespace zorvel::artwork::test {

namespace {

constexpr double kStrongSaturation = 0.3;
constexpr int kHueTolerance = 25;

bool SameHue(const QColor& a, const QColor& b) {
    if (a.hsvHue() < 0 || b.hsvHue() < 0) {
        return false;
    }
    const int difference = std::abs(a.hsvHue() - b.hsvHue());
    return std::min(difference, 360 - difference) <= kHueTolerance;
}

}  // namespace

std::optional<double> PieceHue(const QImage& picture, const QImage& ground) {
    // Hues are angles, so they are averaged as unit vectors weighted by saturation.
    double x = 0.0;
    double y = 0.0;
    for (int row = 0; row < picture.height(); ++row) {
        for (int column = 0; column < picture.width(); ++column) {
            const QColor colour = picture.pixelColor(column, row);
            if (colour.alpha() < 128 || colour.hsvSaturationF() < kStrongSaturation ||
                SameHue(colour, ground.pixelColor(column, row))) {
                continue;
            }
            const double angle = colour.hsvHue() * std::numbers::pi / 180.0;
            x += colour.hsvSaturationF() * std::cos(angle);
            y += colour.hsvSaturationF() * std::sin(angle);
        }
    }
    if (x == 0.0 && y == 0.0) {
        return std::nullopt;
    }
    return std::atan2(y, x) * 180.0 / std::numbers::pi;
}

}  // namespace zorvel::artwork::test
