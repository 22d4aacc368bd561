// The program's icons: the files beside the build and their copies compiled into zorvel_icons.
#include <QImage>
#include <QPixmap>
#include <QSet>
#include <QtTest>

#include "piece_hue.h"

namespace {

enum Tone { kGreen, kRed };

const QString kIconDir = QStringLiteral(ZORVEL_ICON_DIR);

int ColourCount(const QImage& image) {
    QSet<QRgb> colours;
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y) {
        for (int x = 0; x < argb.width(); ++x) {
            colours.insert(argb.pixel(x, y));
        }
    }
    return static_cast<int>(colours.size());
}

void VerifyTone(const QImage& icon, int tone) {
    QImage grey(icon.size(), QImage::Format_RGB32);
    grey.fill(Qt::gray);
    const auto hue =
        zorvel::artwork::test::PieceHue(icon.convertToFormat(QImage::Format_ARGB32), grey);
    QVERIFY(hue.has_value());
    if (tone == kGreen) {
        QVERIFY2(*hue > 80.0 && *hue < 160.0, qPrintable(QString("hue %1").arg(*hue)));
    } else {
        QVERIFY2(std::abs(*hue) < 30.0, qPrintable(QString("hue %1").arg(*hue)));
    }
}

}  // namespace

class IconFilesTest : public QObject {
    Q_OBJECT

  private slots:
    void iconFile_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("colourLimit");  // 0: full colour
        QTest::addColumn<int>("tone");
        QTest::newRow("about box, red") << "zorvel-32.png" << 32 << 16 << int(kRed);
        QTest::newRow("about box, green") << "zorvel-green-32.png" << 32 << 16 << int(kGreen);
        QTest::newRow("about box, red, 2x") << "zorvel-32@2x.png" << 64 << 16 << int(kRed);
        QTest::newRow("about box, green, 2x")
            << "zorvel-green-32@2x.png" << 64 << 16 << int(kGreen);
        for (int size : {16, 48, 64, 128, 256}) {
            QTest::addRow("program %d", size)
                << QString("zorvel-%1.png").arg(size) << size << 0 << int(kRed);
        }
        // Read as its first, largest picture.
        QTest::newRow("program, for Windows") << "zorvel.ico" << 256 << 0 << int(kRed);
    }

    void iconFile() {
        QFETCH(QString, name);
        QFETCH(int, size);
        QFETCH(int, colourLimit);
        QFETCH(int, tone);
        QImage icon;
        QVERIFY2(icon.load(kIconDir + '/' + name), qPrintable(name));
        QCOMPARE(icon.size(), QSize(size, size));
        if (colourLimit > 0) {
            QVERIFY(ColourCount(icon) <= colourLimit);
        }
        // A round stone leaves the corners clear, so the icon sits on any background.
        const QImage argb = icon.convertToFormat(QImage::Format_ARGB32);
        for (QPoint corner :
             {QPoint(0, 0), QPoint(size - 1, 0), QPoint(0, size - 1), QPoint(size - 1, size - 1)}) {
            QCOMPARE(qAlpha(argb.pixel(corner)), 0);
        }
        VerifyTone(icon, tone);
    }

    void compiledIcon_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("green") << "zorvel-green-32.png";
        QTest::newRow("green 2x") << "zorvel-green-32@2x.png";
        QTest::newRow("red 2x") << "zorvel-32@2x.png";
        for (int size : {16, 32, 48, 64, 128, 256}) {
            QTest::addRow("red %d", size) << QString("zorvel-%1.png").arg(size);
        }
    }

    void compiledIcon() {
        QFETCH(QString, name);
        const QPixmap compiled(":/icons/" + name);
        QVERIFY(!compiled.isNull());
        const QImage onDisk(kIconDir + '/' + name);
        QCOMPARE(compiled.toImage().convertToFormat(QImage::Format_ARGB32),
                 onDisk.convertToFormat(QImage::Format_ARGB32));
    }
};

QTEST_MAIN(IconFilesTest)
#include "icon_files_test.moc"
