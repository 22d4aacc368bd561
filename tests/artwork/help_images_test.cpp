// The pictures for the help pages agree with the pattern file they show.
#include <QImage>
#include <QtTest>

namespace {

constexpr int kCell = 40;

const QString kHelpImageDir = QStringLiteral(ZORVEL_HELP_IMAGE_DIR);

QImage Load(const QString& path) {
    return QImage(path).convertToFormat(QImage::Format_RGB32);
}

}  // namespace

class HelpImagesTest : public QObject {
    Q_OBJECT

  private:
    // The pattern file at 1x and at 2x.
    QImage sheets_[3];

  private slots:
    void initTestCase() {
        sheets_[1] = Load(QStringLiteral(ZORVEL_RUNTIME_DIR "/ZorPatn.bmp"));
        sheets_[2] = Load(QStringLiteral(ZORVEL_RUNTIME_DIR "/ZorPatn@2x.bmp"));
        QVERIFY(!sheets_[1].isNull() && !sheets_[2].isNull());
    }

    void setStrip_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("set");
        QTest::addColumn<int>("scale");
        QTest::newRow("Normal") << "set-normal.png" << 0 << 1;
        QTest::newRow("Star") << "set-star.png" << 1 << 1;
        QTest::newRow("Onigiri") << "set-onigiri.png" << 2 << 1;
        QTest::newRow("Onigiri 2x") << "set-onigiri@2x.png" << 2 << 2;
    }

    void setStrip() {
        QFETCH(QString, name);
        QFETCH(int, set);
        QFETCH(int, scale);
        const QImage strip = Load(kHelpImageDir + '/' + name);
        const int cell = kCell * scale;
        QCOMPARE(strip.size(), QSize(11 * cell, cell));
        QCOMPARE(strip, sheets_[scale].copy(0, set * cell, 11 * cell, cell));
    }

    void openingBoard_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("scale");
        QTest::newRow("1x") << "board-opening.png" << 1;
        QTest::newRow("2x") << "board-opening@2x.png" << 2;
    }

    void openingBoard() {
        QFETCH(QString, name);
        QFETCH(int, scale);
        const int cell = kCell * scale;
        const QImage& sheet = sheets_[scale];
        const QImage board = Load(kHelpImageDir + '/' + name);
        QCOMPARE(board.size(), QSize(8 * cell, 8 * cell));
        for (int row = 1; row <= 8; ++row) {
            for (int column = 1; column <= 8; ++column) {
                int frame = 0;
                if ((column == 4 || column == 5) && (row == 4 || row == 5)) {
                    frame = column == row ? 1 : 6;  // green on the diagonal, red across it
                }
                const QImage square = board.copy((column - 1) * cell, (row - 1) * cell, cell, cell);
                QVERIFY2(square == sheet.copy(frame * cell, 0, cell, cell),
                         qPrintable(QString("cell (%1, %2)").arg(column).arg(row)));
            }
        }
    }
};

QTEST_GUILESS_MAIN(HelpImagesTest)
#include "help_images_test.moc"
