// The main window at a device pixel ratio of 2 (the test runs with QT_SCALE_FACTOR=2): which
// pattern file it draws from, and that the board keeps its geometry in logical pixels.
#include <QFile>
#include <QTest>

#include "window_harness.h"

using namespace zorvel;
using namespace zorvel::testing;

namespace {

// The test pattern at twice the resolution, with a checker of device pixels that no enlarged 1x
// frame could show.
QImage MakeTwin(int width = 880, int height = 240) {
    QImage twin = MakePattern().scaled(880, 240).convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < twin.height(); ++y) {
        for (int x = 0; x < twin.width(); ++x) {
            const QRgb pixel = twin.pixel(x, y);
            if ((x + y) % 2 == 1 && pixel != qRgb(0, 128, 128)) twin.setPixel(x, y, pixel ^ 0x10);
        }
    }
    return twin.copy(0, 0, width, height);
}

enum class Twin { Current, Older, OtherSize, Truncated };

void WriteTwin(const QString& folder, Twin kind) {
    const QString path = folder + QStringLiteral("/ZorPatn@2x.bmp");
    MakeTwin(kind == Twin::OtherSize ? 1000 : 880, kind == Twin::OtherSize ? 300 : 240)
        .save(path, "BMP");
    QFile file(path);
    if (kind == Twin::Truncated) {
        file.resize(file.size() / 2);
    } else if (kind == Twin::Older) {
        file.open(QIODevice::ReadWrite);
        const QDateTime pattern = QFileInfo(folder + QStringLiteral("/ZorPatn.bmp")).lastModified();
        file.setFileTime(pattern.addSecs(-60), QFileDevice::FileModificationTime);
    }
}

}  // namespace

class HighResolutionTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QCOMPARE(qApp->devicePixelRatio(), 2.0); }
    void boardIsDrawnFromTheTwinOnlyWhenItBelongs_data();
    void boardIsDrawnFromTheTwinOnlyWhenItBelongs();
    void aClickMapsToTheSameCell();
};

void HighResolutionTest::boardIsDrawnFromTheTwinOnlyWhenItBelongs_data() {
    QTest::addColumn<int>("twin");
    QTest::addColumn<int>("side");
    QTest::addColumn<bool>("error");
    QTest::newRow("current twin") << int(Twin::Current) << 640 << false;
    QTest::newRow("twin older than the pattern file") << int(Twin::Older) << 320 << false;
    QTest::newRow("twin not twice the pattern file") << int(Twin::OtherSize) << 320 << false;
    QTest::newRow("unreadable twin") << int(Twin::Truncated) << 320 << true;
}

void HighResolutionTest::boardIsDrawnFromTheTwinOnlyWhenItBelongs() {
    QFETCH(int, twin);
    QFETCH(int, side);
    QFETCH(bool, error);
    WindowHarness h;
    WriteTwin(h.Folder(), Twin(twin));
    QString shown;
    try {
        h.Create();
    } catch (const std::runtime_error& failure) {
        shown = QString::fromUtf8(failure.what());
    }
    QCOMPARE(shown.contains(QStringLiteral("ZorPatn@2x.bmp\" は開けません。")), error);
    // The game goes on with whichever frames it took.
    const QImage& board = *h.Picture().Bitmap();
    QCOMPARE(board.size(), QSize(side, side));
    QCOMPARE(board.deviceIndependentSize(), QSizeF(320, 320));
    h.form->StartGameClick();
    const int scale = side / 320;
    const QImage stone = board.copy(3 * 40 * scale, 3 * 40 * scale, 40 * scale, 40 * scale);
    const QImage frame =
        (scale == 2 ? MakeTwin() : MakePattern()).copy(40 * scale, 0, 40 * scale, 40 * scale);
    for (int y = 0; y < 40 * scale; ++y) {
        for (int x = 0; x < 40 * scale; ++x) {
            if (frame.pixel(x, y) != qRgb(0, 128, 128))
                QCOMPARE(stone.pixel(x, y), frame.pixel(x, y));
        }
    }
}

void HighResolutionTest::aClickMapsToTheSameCell() {
    WindowHarness h;
    WriteTwin(h.Folder(), Twin::Current);
    h.Create();
    h.form->StartGameClick();
    // Cell (6, 4) takes side 1's stone at (5, 4) for side 0, who moves first.
    QTest::mouseClick(&ClientOf(*h.form), Qt::LeftButton, {},
                      QPoint(10 + 5 * 40 + 39, 10 + 3 * 40));
    QCOMPARE(h.form->Game().board.At(6, 4), kSide0);
    QCOMPARE(h.form->Game().board.At(5, 4), kSide0);
}

QTEST_MAIN(HighResolutionTest)
#include "high_resolution_test.moc"
