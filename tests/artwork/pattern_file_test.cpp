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
const QString kTwinPath = QStringLiteral(ZORVEL_RUNTIME_DIR "/ZorPatn@2x.bmp");

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
    QImage twin_;

  private slots:
    void initTestCase() {
        QVERIFY2(sheet_.load(kPatternPath), qPrintable(kPatternPath));
        QVERIFY2(twin_.load(kTwinPath), qPrintable(kTwinPath));
    }

    void isA24BitBitmapOfThreeRowsOfElevenFrames_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("scale");
        QTest::newRow("ZorPatn.bmp") << kPatternPath << 1;
        QTest::newRow("ZorPatn@2x.bmp") << kTwinPath << 2;
    }

    void isA24BitBitmapOfThreeRowsOfElevenFrames() {
        QFETCH(QString, path);
        QFETCH(int, scale);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray header = file.read(54);
        QCOMPARE(header.left(2), QByteArray("BM"));
        const auto u16 = [&](int at) {
            return qFromLittleEndian<quint16>(header.constData() + at);
        };
        const auto i32 = [&](int at) { return qFromLittleEndian<qint32>(header.constData() + at); };
        QCOMPARE(i32(18), kFrames * kCell * scale);
        QCOMPARE(std::abs(i32(22)), kSets * kCell * scale);
        QCOMPARE(u16(28), quint16(24));
        QCOMPARE(i32(30), 0);  // uncompressed
    }

    void twinFrameReducedMatchesItsFrame_data() {
        QTest::addColumn<int>("set");
        QTest::addColumn<int>("frame");
        for (int set = 0; set < kSets; ++set) {
            for (int frame = 0; frame < kFrames; ++frame) {
                QTest::addRow("%s frame %d", kSetNames[set], frame) << set << frame;
            }
        }
    }

    // The 2x frame shows the same shapes in the same places and colours: brought down to 40 px,
    // it differs from the 1x frame by no more than the edges' antialiasing.
    void twinFrameReducedMatchesItsFrame() {
        QFETCH(int, set);
        QFETCH(int, frame);
        const QImage reduced =
            twin_.copy(frame * kCell * 2, set * kCell * 2, kCell * 2, kCell * 2)
                .scaled(kCell, kCell, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                .convertToFormat(QImage::Format_RGB32);
        const QImage original = FrameOf(sheet_, set, frame);
        long long total = 0;
        int far = 0;  // pixels clearly of another colour
        for (int y = 0; y < kCell; ++y) {
            for (int x = 0; x < kCell; ++x) {
                const QRgb a = reduced.pixel(x, y);
                const QRgb b = original.pixel(x, y);
                const int difference = std::abs(qRed(a) - qRed(b)) +
                                       std::abs(qGreen(a) - qGreen(b)) +
                                       std::abs(qBlue(a) - qBlue(b));
                total += difference;
                far += difference > 48 ? 1 : 0;
            }
        }
        // Differences summed over the three channels. Today's frames give means of 3.5 to 6.6
        // and at most 29 pixels off by more than 48, along the edges of the turning pieces.
        const double mean = static_cast<double>(total) / (kCell * kCell);
        QVERIFY2(mean < 8.0, qPrintable(QString("mean difference %1").arg(mean)));
        QVERIFY2(far < 40, qPrintable(QString("%1 pixels far off").arg(far)));
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
