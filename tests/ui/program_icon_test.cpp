// The program's icon, which the window manager shows for every window of the game, and the name by
// which the desktop finds the menu entry and its icon for a running window.
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QTest>
#include <QWidget>
#include <algorithm>

#include "zorvel_application.h"

class ProgramIconTest : public QObject {
    Q_OBJECT

  private slots:
    void everyWindowCarriesTheRedIconInEverySize() {
        const QIcon icon = QWidget().windowIcon();
        QList<QSize> sizes = icon.availableSizes();
        std::sort(sizes.begin(), sizes.end(),
                  [](QSize a, QSize b) { return a.width() < b.width(); });
        const QList<QSize> expected = {QSize(16, 16), QSize(32, 32),   QSize(48, 48),
                                       QSize(64, 64), QSize(128, 128), QSize(256, 256)};
        QCOMPARE(sizes, expected);

        // Drawn at its own size, each is the red stone, not the about box's green one.
        for (const QSize size : expected) {
            const QImage image = icon.pixmap(size).toImage().convertToFormat(QImage::Format_ARGB32);
            QCOMPARE(image.size(), size);
            qint64 red = 0;
            qint64 green = 0;
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    const QRgb pixel = image.pixel(x, y);
                    red += qRed(pixel) * qAlpha(pixel);
                    green += qGreen(pixel) * qAlpha(pixel);
                }
            }
            QVERIFY2(red > 2 * green, qPrintable(QString("size %1").arg(size.width())));
        }
    }

    // Wayland compositors go by the desktop file's name, X11 desktops by the window class.
    void windowsNameTheMenuEntry() {
        QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral(ZORVEL_APP_ID));
        QCOMPARE(QCoreApplication::applicationName(), QStringLiteral(ZORVEL_APP_ID));
    }
};

int main(int argc, char* argv[]) {
    zorvel::ZorVelApplication app(argc, argv);
    ProgramIconTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "program_icon_test.moc"
