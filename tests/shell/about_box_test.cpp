#include "about_box.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include "../placement_skip.h"
#include "program_font.h"

using namespace zorvel;

namespace {

// The pictures the box should show: on a high-resolution screen (the test also runs at
// QT_SCALE_FACTOR=2) the icons' twins of twice the size.
int Scale() {
    return qRound(qApp->devicePixelRatio());
}

QImage IconPicture(const char* name) {
    const QString twin = Scale() > 1 ? QStringLiteral("@2x") : QString();
    return QImage(QStringLiteral(":/icons/%1%2.png").arg(QLatin1String(name), twin));
}

enum class Action { ClickOk, ReturnKey, EnterKey, EscapeKey, CloseBox };

void Perform(about::TAboutBox& box, Action action) {
    QWidget* focus = box.focusWidget();
    switch (action) {
        case Action::ClickOk:
            QTest::mouseClick(box.findChild<QPushButton*>(QStringLiteral("OKButton")),
                              Qt::LeftButton);
            break;
        case Action::ReturnKey:
            QTest::keyClick(focus, Qt::Key_Return);
            break;
        case Action::EnterKey:
            QTest::keyClick(focus, Qt::Key_Enter, Qt::KeypadModifier);
            break;
        case Action::EscapeKey:
            QTest::keyClick(focus, Qt::Key_Escape);
            break;
        case Action::CloseBox:
            box.windowHandle()->close();
            break;
    }
}

}  // namespace

// Declared before the first QFETCH of it: a declaration after its first use does not compile in
// release builds.
Q_DECLARE_METATYPE(Action)

class AboutBoxTest : public QObject {
    Q_OBJECT

  private slots:
    void WindowIsAFixedDialogWithItsCaption() {
        about::TAboutBox box;
        QCOMPARE(box.windowTitle(),
                 QString::fromUtf16(u"\uFF8A\uFF9E\uFF70\uFF7C\uFF9E\uFF6E\uFF9D\u60C5\u5831"));
        QCOMPARE(box.size(), QSize(294, 214));
        QCOMPARE(box.minimumSize(), box.maximumSize());
        QVERIFY(box.windowFlags().testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!box.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        QVERIFY(!box.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!box.windowFlags().testFlag(Qt::WindowContextHelpButtonHint));
        QCOMPARE(box.font().family(), zorvel::common::ProgramFont().family());
        QCOMPARE(box.palette().color(QPalette::WindowText), QColor(Qt::black));
        QCOMPARE(box.palette().color(QPalette::Window), box.palette().color(QPalette::Button));
    }

    void Elements_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("parent");
        QTest::addColumn<QRect>("geometry");  // an empty size: the label takes its text's size
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("pixelSize");

        const QString box = QStringLiteral("AboutBox");
        const QString panel = QStringLiteral("Panel1");
        QTest::newRow("panel") << panel << box << QRect(8, 8, 277, 158) << QString() << 12;
        QTest::newRow("green icon")
            << "PIcon1" << panel << QRect(16, 20, 32, 32) << QString() << 12;
        QTest::newRow("red icon") << "PIcon2" << panel << QRect(32, 32, 32, 32) << QString() << 12;
        QTest::newRow("product") << "ProductName" << panel << QRect(86, 27, 0, 0)
                                 << "Zorblin Veltor" << 16;
        QTest::newRow("version") << "Version" << panel << QRect(140, 49, 0, 0) << "Version 3.0"
                                 << 15;
        QTest::newRow("notice") << "Copyright" << panel << QRect(58, 88, 183, 39) << QString()
                                << 13;
        QTest::newRow("button") << "OKButton" << box << QRect(118, 175, 64, 33) << "OK" << 12;
    }

    void Elements() {
        QFETCH(QString, name);
        QFETCH(QString, parent);
        QFETCH(QRect, geometry);
        QFETCH(QString, text);
        QFETCH(int, pixelSize);

        about::TAboutBox box;
        const auto* element = box.findChild<QWidget*>(name);
        QVERIFY(element != nullptr);
        QCOMPARE(element->parentWidget()->objectName(), parent);
        QCOMPARE(element->pos(), geometry.topLeft());
        if (geometry.isEmpty()) {
            const int textWidth = element->fontMetrics().horizontalAdvance(text);
            QVERIFY(element->width() >= textWidth);
        } else {
            QCOMPARE(element->size(), geometry.size());
        }
        if (!text.isNull()) {
            QCOMPARE(element->property("text").toString(), text);
        }
        QCOMPARE(element->font().pixelSize(), pixelSize);
    }

    void NoticeFitsItsLabelCentred() {
        about::TAboutBox box;
        const auto* notice = box.findChild<QLabel*>(QStringLiteral("Copyright"));
        QVERIFY(!notice->text().isEmpty());
        QCOMPARE(notice->alignment(), Qt::AlignCenter);
        QVERIFY(notice->wordWrap());
        const QRect needed = notice->fontMetrics().boundingRect(
            notice->contentsRect(), Qt::AlignCenter | Qt::TextWordWrap, notice->text());
        QVERIFY(notice->contentsRect().contains(needed));
    }

    void RedIconIsDrawnOverTheGreenOne() {
        const QImage green = IconPicture("zorvel-green-32");
        const QImage red = IconPicture("zorvel-32");
        if (green.isNull() || red.isNull()) {
            QSKIP("The icon resources are not linked in.");
        }
        about::TAboutBox box;
        auto* panel = box.findChild<QFrame*>(QStringLiteral("Panel1"));
        QCOMPARE(panel->childAt(40, 40)->objectName(), QStringLiteral("PIcon2"));

        // Where the red icon is clear the green one shows through, elsewhere the red one covers it;
        // every screen pixel is a pixel of the pictures.
        const int s = Scale();
        const QImage shown = panel->grab().toImage().convertToFormat(QImage::Format_ARGB32);
        const QImage under = green.convertToFormat(QImage::Format_ARGB32);
        const QImage over = red.convertToFormat(QImage::Format_ARGB32);
        int checked = 0;
        for (int y = 32 * s; y < 52 * s; ++y) {
            for (int x = 32 * s; x < 48 * s; ++x) {
                const QRgb top = over.pixel(x - 32 * s, y - 32 * s);
                const QRgb bottom = under.pixel(x - 16 * s, y - 20 * s);
                if (qAlpha(top) == 255) {
                    QCOMPARE(shown.pixel(x, y), top);
                    ++checked;
                } else if (qAlpha(top) == 0 && qAlpha(bottom) == 255) {
                    QCOMPARE(shown.pixel(x, y), bottom);
                    ++checked;
                }
            }
        }
        QVERIFY(checked > 0);
    }

    void OpensCentredOnTheScreenWithTheDefaultButtonFocused() {
        QWidget mainWindow;  // off the centre, so that centring on it would show
        mainWindow.setGeometry(20, 30, 200, 150);
        mainWindow.show();
        about::TAboutBox box(&mainWindow);
        box.show();
        const auto* ok = box.findChild<QPushButton*>(QStringLiteral("OKButton"));
        QVERIFY(ok->isDefault());
        QCOMPARE(box.focusWidget(), ok);

        SKIP_PLACEMENT_ON_WAYLAND();
        const QRect screen = box.screen()->geometry();
        QTRY_VERIFY2((box.frameGeometry().center() - screen.center()).manhattanLength() <= 1,
                     "the box is not centred on the screen");
    }

    void Closing_data() {
        QTest::addColumn<Action>("action");
        QTest::addColumn<bool>("closes");
        QTest::addColumn<int>("result");

        QTest::newRow("OK clicked") << Action::ClickOk << true << int(QDialog::Accepted);
        QTest::newRow("Return") << Action::ReturnKey << true << int(QDialog::Accepted);
        QTest::newRow("keypad Enter") << Action::EnterKey << true << int(QDialog::Accepted);
        QTest::newRow("close box") << Action::CloseBox << true << int(QDialog::Rejected);
        QTest::newRow("Escape") << Action::EscapeKey << false << -1;
    }

    void Closing() {
        QFETCH(Action, action);
        QFETCH(bool, closes);
        QFETCH(int, result);

        about::TAboutBox box;
        bool stayedOpen = false;
        QTimer::singleShot(0, &box, [&] {
            Perform(box, action);
            stayedOpen = box.isVisible();
            if (stayedOpen) {
                box.done(-1);
            }
        });
        QCOMPARE(box.exec(), result);
        QCOMPARE(!stayedOpen, closes);
    }
};

QTEST_MAIN(AboutBoxTest)
#include "about_box_test.moc"
