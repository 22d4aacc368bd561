#include "board_cell.h"

#include <QColor>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "sheet_layout.h"

namespace zorvel::artwork {

namespace {

constexpr QColor kWood{226, 190, 130};
constexpr QColor kEdgeLight{244, 220, 172};
constexpr QColor kEdgeDark{150, 108, 60};

// A small integer hash giving each pixel a repeatable speck of fibre.
double Fibre(int x, int y) {
    unsigned h = static_cast<unsigned>(x) * 374761393u + static_cast<unsigned>(y) * 668265263u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return static_cast<double>((h ^ (h >> 16)) & 0xffu) / 255.0 - 0.5;
}

// Fine dark lines of grain running across the board. They repeat every cell sideways, so that
// neighbouring squares join without a seam; the vertical seam falls on the bevel.
double Grain(double x, double y) {
    const double phase = 2.0 * std::numbers::pi * x / kCellSize;
    const double t = y + 0.9 * std::sin(phase + 0.7) + 0.4 * std::sin(2.0 * phase + 2.0);
    const double lines = std::pow(std::max(0.0, std::sin(t * 0.85)), 8.0) +
                         0.6 * std::pow(std::max(0.0, std::sin(t * 2.1 + 1.3)), 12.0);
    const double band = 0.5 * std::sin(t * 0.23 + 0.4);
    return band - lines;
}

QColor Scaled(QColor colour, double factor) {
    auto channel = [factor](int value) {
        return std::clamp(static_cast<int>(std::lround(value * factor)), 0, 255);
    };
    return QColor(channel(colour.red()), channel(colour.green()), channel(colour.blue()));
}

}  // namespace

QImage BoardCell(int scale) {
    const int size = kCellSize * scale;
    QImage cell(size, size, QImage::Format_RGB32);
    // The bevel is one cell pixel wide, the grain follows cell pixels, the fibre device pixels.
    const int last = size - scale;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const double grain =
                Grain(static_cast<double>(x) / scale, static_cast<double>(y) / scale);
            QColor colour = Scaled(kWood, 1.0 + 0.05 * grain + 0.025 * Fibre(x, y));
            if (x < scale || y < scale) {
                colour = kEdgeLight;
            } else if (x >= last || y >= last) {
                colour = kEdgeDark;
            }
            cell.setPixel(x, y, colour.rgb());
        }
    }
    cell.setDevicePixelRatio(scale);
    return cell;
}

}  // namespace zorvel::artwork
