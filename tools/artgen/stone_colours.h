#pragma once

#include <QColor>

namespace zorvel::artwork {

// The shades of one side's stone, from its glossy highlight to its shadowed rim.
struct StoneColours {
    QColor highlight;
    QColor body;
    QColor rim;
    QColor edge;
};

// Side 0 plays green, side 1 red, in every set that has coloured stones.
inline const StoneColours kStoneColours[2] = {
    {QColor(170, 240, 150), QColor(40, 165, 60), QColor(12, 84, 32), QColor(10, 62, 26)},
    {QColor(255, 180, 160), QColor(214, 38, 36), QColor(118, 12, 18), QColor(84, 10, 14)},
};

// The colour `t` of the way from `a` to `b`.
inline QColor Mix(const QColor& a, const QColor& b, double t) {
    auto channel = [t](int from, int to) { return qRound(from + (to - from) * t); };
    return QColor(channel(a.red(), b.red()), channel(a.green(), b.green()),
                  channel(a.blue(), b.blue()), channel(a.alpha(), b.alpha()));
}

}  // namespace zorvel::artwork
