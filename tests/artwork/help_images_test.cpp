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
    QImage sheet_;

  private slots:
    void initTestCase() {
        sheet_ = Load(QStringLiteral(ZORVEL_RUNTIME_DIR "/ZorPatn.bmp"));
        QVERIFY(!sheet_.isNull());
    }

    void setStrip_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("set");
        QTest::newRow("Normal") << "set-normal.png" << 0;
        QTest::newRow("Star") << "set-star.png" << 1;
        QTest::newRow("Onigiri") << "set-onigiri.png" << 2;
    }

    void setStrip() {
        QFETCH(QString, name);
        QFETCH(int, set);
        const QImage strip = Load(kHelpImageDir + '/' + name);
        QCOMPARE(strip.size(), QSize(11 * kCell, kCell));
        QCOMPARE(strip, sheet_.copy(0, set * kCell, 11 * kCell, kCell));
    }

    void openingBoard() {
        const QImage board = Load(kHelpImageDir + "/board-opening.png");
        QCOMPARE(board.size(), QSize(8 * kCell, 8 * kCell));
        for (int row = 1; row <= 8; ++row) {
            for (int column = 1; column <= 8; ++column) {
                int frame = 0;
                if ((column == 4 || column == 5) && (row == 4 || row == 5)) {
                    frame = column == row ? 1 : 6;  // green on the diagonal, red across it
                }
                const QImage cell =
                    board.copy((column - 1) * kCell, (row - 1) * kCell, kCell, kCell);
                QVERIFY2(cell == sheet_.copy(frame * kCell, 0, kCell, kCell),
                         qPrintable(QString("cell (%1, %2)").arg(column).arg(row)));
            }
        }
    }
};

QTEST_GUILESS_MAIN(HelpImagesTest)
#include "help_images_test.moc"
