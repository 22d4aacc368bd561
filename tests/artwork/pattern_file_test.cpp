// The pattern file as the game reads it: its format, and what each frame shows.
#include <QFile>
#include <QImage>
#include <QtEndian>
#include <QtTest>

#include "piece_hue.h"

namespace {

constexpr int kCell = 40;
constexpr int kFrames = 11;
constexpr int kSets = 3;
constexpr QRgb kTeal = 0xff008080;
const char* const kSetNames[kSets] = {"Normal", "Star", "Onigiri"};

const QString kPatternPath = QStringLiteral(ZORVEL_RUNTIME_DIR "/ZorPatn.bmp");

QImage FrameOf(const QImage& sheet, int set, int frame) {
    return sheet.copy(frame * kCell, set * kCell, kCell, kCell)
        .convertToFormat(QImage::Format_RGB32);
}

bool IsTeal(const QImage& frame, int x, int y) {
    return frame.pixel(x, y) == kTeal;
}

int TealCount(const QImage& frame) {
    int count = 0;
    for (int y = 0; y < kCell; ++y) {
        for (int x = 0; x < kCell; ++x) {
            count += IsTeal(frame, x, y) ? 1 : 0;
        }
    }
    return count;
}

}  // namespace

class PatternFileTest : public QObject {
    Q_OBJECT

  private:
    QImage sheet_;

  private slots:
    void initTestCase() { QVERIFY2(sheet_.load(kPatternPath), qPrintable(kPatternPath)); }

    void isA24BitBitmapOfThreeRowsOfElevenFrames() {
        QFile file(kPatternPath);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray header = file.read(54);
        QCOMPARE(header.left(2), QByteArray("BM"));
        const auto u16 = [&](int at) {
            return qFromLittleEndian<quint16>(header.constData() + at);
        };
        const auto i32 = [&](int at) { return qFromLittleEndian<qint32>(header.constData() + at); };
        QCOMPARE(i32(18), kFrames * kCell);
        QCOMPARE(std::abs(i32(22)), kSets * kCell);
        QCOMPARE(u16(28), quint16(24));
        QCOMPARE(i32(30), 0);  // uncompressed
        QCOMPARE(sheet_.size(), QSize(kFrames * kCell, kSets * kCell));
    }

    void emptyCellIsOpaque_data() {
        QTest::addColumn<int>("set");
        for (int set = 0; set < kSets; ++set) {
            QTest::newRow(kSetNames[set]) << set;
        }
    }

    // The game clears its board, a white picture, with frame 0: any teal there would show white.
    void emptyCellIsOpaque() {
        QFETCH(int, set);
        QCOMPARE(TealCount(FrameOf(sheet_, set, 0)), 0);
    }

    void frameShowsItsSide_data() {
        QTest::addColumn<int>("set");
        QTest::addColumn<int>("frame");
        QTest::addColumn<int>("side");
        // Frames 1-3 and 9-10 show side 0's piece (green), frames 4-8 side 1's (red): the turns
        // 2-6 and 7-1 change colour halfway.
        const int sides[kFrames] = {-1, 0, 0, 0, 1, 1, 1, 1, 1, 0, 0};
        for (int set = 0; set < kSets; ++set) {
            for (int frame = 1; frame < kFrames; ++frame) {
                QTest::addRow("%s frame %d", kSetNames[set], frame) << set << frame << sides[frame];
            }
        }
    }

    void frameShowsItsSide() {
        QFETCH(int, set);
        QFETCH(int, frame);
        QFETCH(int, side);
        const auto hue =
            zorvel::artwork::test::PieceHue(FrameOf(sheet_, set, frame), FrameOf(sheet_, set, 0));
        QVERIFY(hue.has_value());
        if (side == 0) {
            QVERIFY2(*hue > 80.0 && *hue < 160.0, qPrintable(QString("hue %1").arg(*hue)));
        } else {
            QVERIFY2(std::abs(*hue) < 30.0, qPrintable(QString("hue %1").arg(*hue)));
        }
    }

    void stoneFrameCoversEveryOtherFrame_data() {
        QTest::addColumn<int>("set");
        QTest::addColumn<int>("frame");
        for (int set = 0; set < kSets; ++set) {
            for (int frame = 1; frame < kFrames; ++frame) {
                QTest::addRow("%s frame %d", kSetNames[set], frame) << set << frame;
            }
        }
    }

    // Each frame is drawn over the one before with teal left out; where the frame is teal but
    // another frame is not, a remnant of that frame would stay on the board.
    void stoneFrameCoversEveryOtherFrame() {
        QFETCH(int, set);
        QFETCH(int, frame);
        const QImage picture = FrameOf(sheet_, set, frame);
        for (int other = 0; other < kFrames; ++other) {
            const QImage earlier = FrameOf(sheet_, set, other);
            for (int y = 0; y < kCell; ++y) {
                for (int x = 0; x < kCell; ++x) {
                    if (IsTeal(picture, x, y) && !IsTeal(earlier, x, y)) {
                        QFAIL(qPrintable(
                            QString("teal at (%1, %2) over frame %3").arg(x).arg(y).arg(other)));
                    }
                }
            }
        }
    }

    void setsDiffer() {
        // Three distinct sets, not one drawn three times.
        for (int a = 0; a < kSets; ++a) {
            for (int b = a + 1; b < kSets; ++b) {
                QVERIFY(FrameOf(sheet_, a, 1) != FrameOf(sheet_, b, 1));
                QVERIFY(FrameOf(sheet_, a, 6) != FrameOf(sheet_, b, 6));
            }
        }
    }
};

QTEST_GUILESS_MAIN(PatternFileTest)
#include "pattern_file_test.moc"
