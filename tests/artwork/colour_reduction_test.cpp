// The reduction of the about box's icons to 16 colours.
#include "colour_reduction.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <cstdlib>

namespace {

using zorvel::artwork::ReduceColours;

int ChannelError(QRgb a, QRgb b) {
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                     std::abs(qBlue(a) - qBlue(b))});
}

// A grey ramp with every level present, 256 x 4.
QImage GreyRamp() {
    QImage image(256, 4, QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            image.setPixel(x, y, qRgb(x, x, x));
        }
    }
    return image;
}

class ColourBudgetTest : public ::testing::TestWithParam<int> {};

TEST_P(ColourBudgetTest, RampStaysWithinBudgetAndCloseToTheOriginal) {
    const int budget = GetParam();
    const QImage ramp = GreyRamp();
    const QImage reduced = ReduceColours(ramp, budget);
    ASSERT_EQ(reduced.format(), QImage::Format_Indexed8);
    EXPECT_LE(reduced.colorCount(), budget);
    // Median cut spreads the entries evenly over an even ramp.
    const int allowed = 256 / (2 * budget) + 2;
    for (int x = 0; x < ramp.width(); ++x) {
        EXPECT_LE(ChannelError(reduced.pixel(x, 0), ramp.pixel(x, 0)), allowed) << "level " << x;
    }
}

INSTANTIATE_TEST_SUITE_P(Budgets, ColourBudgetTest, ::testing::Values(2, 4, 16, 255));

TEST(ColourReductionTest, KeepsAPictureOfFewColoursExactly) {
    const QRgb colours[] = {qRgb(200, 30, 30),   qRgb(30, 200, 30), qRgb(30, 30, 200),
                            qRgb(250, 250, 250), qRgb(10, 10, 10),  qRgb(200, 30, 31)};
    QImage image(6, 6, QImage::Format_ARGB32);
    for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 6; ++x) {
            image.setPixel(x, y, colours[(x + 2 * y) % 6]);
        }
    }
    const QImage reduced = ReduceColours(image, 16);
    EXPECT_EQ(reduced.colorCount(), 6);
    EXPECT_EQ(reduced.convertToFormat(QImage::Format_ARGB32), image);
}

TEST(ColourReductionTest, HalfCoveredPixelsDecideBetweenClearAndColour) {
    QImage image(3, 1, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgba(200, 40, 40, 127));
    image.setPixel(1, 0, qRgba(200, 40, 40, 128));
    image.setPixel(2, 0, qRgba(0, 0, 0, 0));
    const QImage reduced = ReduceColours(image, 16);
    EXPECT_EQ(reduced.colorCount(), 2);  // one colour and the clear entry
    EXPECT_EQ(qAlpha(reduced.pixel(0, 0)), 0);
    EXPECT_EQ(reduced.pixel(1, 0), qRgb(200, 40, 40));
    EXPECT_EQ(qAlpha(reduced.pixel(2, 0)), 0);
}

TEST(ColourReductionTest, ClearEntryCountsAgainstTheBudget) {
    QImage ramp = GreyRamp();
    ramp.setPixel(0, 0, qRgba(0, 0, 0, 0));
    EXPECT_LE(ReduceColours(ramp, 16).colorCount(), 16);
}

}  // namespace
