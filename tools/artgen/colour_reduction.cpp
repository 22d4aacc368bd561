#include "colour_reduction.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <limits>
#include <vector>

namespace zorvel::artwork {

namespace {

using Box = std::vector<QRgb>;
using Channel = int (*)(QRgb);

constexpr std::array<Channel, 3> kChannels = {qRed, qGreen, qBlue};

// The channel along which the box spreads widest, and how wide.
std::pair<Channel, int> WidestChannel(const Box& box) {
    std::pair<Channel, int> widest{kChannels[0], -1};
    for (Channel channel : kChannels) {
        const auto [low, high] = std::minmax_element(
            box.begin(), box.end(), [channel](QRgb a, QRgb b) { return channel(a) < channel(b); });
        const int range = channel(*high) - channel(*low);
        if (range > widest.second) {
            widest = {channel, range};
        }
    }
    return widest;
}

// Cuts the box near the median of the channel, where that channel's value changes, so that both
// halves keep different colours.
std::pair<Box, Box> Split(Box box, Channel channel) {
    std::sort(box.begin(), box.end(),
              [channel](QRgb a, QRgb b) { return channel(a) < channel(b); });
    const auto half = static_cast<std::ptrdiff_t>(box.size() / 2);
    std::ptrdiff_t cut = 0;
    for (std::ptrdiff_t i = 1; i < static_cast<std::ptrdiff_t>(box.size()); ++i) {
        const bool changes = channel(box[i - 1]) != channel(box[i]);
        if (changes && (cut == 0 || std::abs(i - half) < std::abs(cut - half))) {
            cut = i;
        }
    }
    return {Box(box.begin(), box.begin() + cut), Box(box.begin() + cut, box.end())};
}

QRgb Average(const Box& box) {
    std::array<long long, 3> sum{};
    for (QRgb colour : box) {
        for (std::size_t c = 0; c < kChannels.size(); ++c) {
            sum[c] += kChannels[c](colour);
        }
    }
    const auto mean = [&](std::size_t c) {
        return static_cast<int>((sum[c] + static_cast<long long>(box.size()) / 2) /
                                static_cast<long long>(box.size()));
    };
    return qRgb(mean(0), mean(1), mean(2));
}

std::vector<QRgb> MedianCut(Box pixels, int colours) {
    std::vector<Box> boxes;
    if (!pixels.empty()) {
        boxes.push_back(std::move(pixels));
    }
    while (static_cast<int>(boxes.size()) < colours) {
        auto widest = boxes.end();
        std::pair<Channel, int> best{nullptr, 0};
        for (auto box = boxes.begin(); box != boxes.end(); ++box) {
            const auto spread = WidestChannel(*box);
            if (spread.second > best.second) {
                best = spread;
                widest = box;
            }
        }
        if (widest == boxes.end()) {
            break;  // every box holds a single colour
        }
        auto [low, high] = Split(std::move(*widest), best.first);
        *widest = std::move(low);
        boxes.push_back(std::move(high));
    }
    std::vector<QRgb> palette;
    for (const Box& box : boxes) {
        palette.push_back(Average(box));
    }
    return palette;
}

int Nearest(const std::vector<QRgb>& palette, QRgb colour) {
    int best = 0;
    int bestDistance = std::numeric_limits<int>::max();
    for (int i = 0; i < static_cast<int>(palette.size()); ++i) {
        int distance = 0;
        for (Channel channel : kChannels) {
            const int d = channel(palette[i]) - channel(colour);
            distance += d * d;
        }
        if (distance < bestDistance) {
            bestDistance = distance;
            best = i;
        }
    }
    return best;
}

}  // namespace

QImage ReduceColours(const QImage& image, int colours) {
    const QImage source = image.convertToFormat(QImage::Format_ARGB32);
    Box covered;
    bool anyClear = false;
    for (int y = 0; y < source.height(); ++y) {
        for (int x = 0; x < source.width(); ++x) {
            const QRgb pixel = source.pixel(x, y);
            if (qAlpha(pixel) >= 128) {
                covered.push_back(pixel | 0xff000000u);
            } else {
                anyClear = true;
            }
        }
    }
    const int clearEntries = anyClear ? 1 : 0;
    const std::vector<QRgb> palette = MedianCut(covered, colours - clearEntries);

    QList<QRgb> table(palette.begin(), palette.end());
    if (anyClear) {
        table.append(qRgba(0, 0, 0, 0));
    }
    QImage reduced(source.size(), QImage::Format_Indexed8);
    reduced.setColorTable(table);
    const int clearIndex = static_cast<int>(palette.size());
    for (int y = 0; y < source.height(); ++y) {
        for (int x = 0; x < source.width(); ++x) {
            const QRgb pixel = source.pixel(x, y);
            reduced.setPixel(x, y, qAlpha(pixel) >= 128 ? Nearest(palette, pixel) : clearIndex);
        }
    }
    return reduced;
}

}  // namespace zorvel::artwork
