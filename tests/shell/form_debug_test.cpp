#include "form_debug.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QTest>

#include "../placement_skip.h"
#include "program_font.h"

// Declared before the first QFETCH of it: a declaration after its first use does not compile in
// release builds.
Q_DECLARE_METATYPE(std::vector<std::string>)

using namespace zorvel;

namespace {

QPlainTextEdit* MemoOf(debuglog::TFormDebug& form) {
    return form.findChild<QPlainTextEdit*>(QStringLiteral("Memo"));
}

int ShownDebugWindows() {
    int count = 0;
    for (const QWidget* window : QApplication::topLevelWidgets()) {
        count += window->isVisible() && window->windowTitle() == QStringLiteral("Debug") ? 1 : 0;
    }
    return count;
}

}  // namespace

class FormDebugTest : public QObject {
    Q_OBJECT

  private slots:
    void WindowIsAnIndependentSizeableWindow() {
        debuglog::TFormDebug form;
        QCOMPARE(form.windowTitle(), QStringLiteral("Debug"));
        QVERIFY(form.isWindow());
        QCOMPARE(form.parentWidget(), nullptr);
        QCOMPARE(form.windowModality(), Qt::NonModal);
        QVERIFY(form.minimumSize() != form.maximumSize());
        QCOMPARE(form.font().family(), zorvel::common::ProgramFont().family());
        QCOMPARE(form.font().pixelSize(), 12);
    }

    void OpensWithItsFrameInPlace() {
        SKIP_PLACEMENT_ON_WAYLAND();
        // The offscreen platform draws a frame too, so the client must come out smaller.
        debuglog::TFormDebug form;
        form.ShowOrRaise();
        QTRY_COMPARE(form.frameGeometry(), QRect(577, 109, 221, 300));
    }

    void MemoFillsTheWindowAtAnySize() {
        debuglog::TFormDebug form;
        form.ShowOrRaise();
        QCOMPARE(MemoOf(form)->geometry(), form.rect());
        form.resize(400, 150);
        QCOMPARE(MemoOf(form)->geometry(), form.rect());
    }

    void Memo_data() {
        QTest::addColumn<QByteArray>("property");
        QTest::addColumn<QVariant>("expected");

        QTest::newRow("user-editable") << QByteArray("readOnly") << QVariant(false);
        QTest::newRow("word-wrapped")
            << QByteArray("lineWrapMode") << QVariant::fromValue(QPlainTextEdit::WidgetWidth);
        QTest::newRow("no horizontal scroll bar") << QByteArray("horizontalScrollBarPolicy")
                                                  << QVariant::fromValue(Qt::ScrollBarAlwaysOff);
        QTest::newRow("no vertical scroll bar")
            << QByteArray("verticalScrollBarPolicy") << QVariant::fromValue(Qt::ScrollBarAlwaysOff);
        QTest::newRow("initially empty") << QByteArray("plainText") << QVariant(QString());
    }

    void Memo() {
        QFETCH(QByteArray, property);
        QFETCH(QVariant, expected);

        debuglog::TFormDebug form;
        const QVariant actual = MemoOf(form)->property(property.constData());
        QVERIFY(actual.isValid());
        QCOMPARE(actual.toString(), expected.toString());
    }

    void LinesWrittenWhileHiddenAreThereWhenShown_data() {
        QTest::addColumn<QString>("typed");  // what the user typed into the memo beforehand
        QTest::addColumn<std::vector<std::string>>("lines");
        QTest::addColumn<QString>("text");

        QTest::newRow("one line") << QString() << std::vector<std::string>{"X:4 Y:3 P:20 A:1"}
                                  << "X:4 Y:3 P:20 A:1\n";
        QTest::newRow("a weight table")
            << QString() << std::vector<std::string>{"95-15-50-40-40-50-15-95", "15-0-20-30"}
            << "95-15-50-40-40-50-15-95\n15-0-20-30\n";
        QTest::newRow("empty lines kept")
            << QString() << std::vector<std::string>{"", "a", ""} << "\na\n\n";
        QTest::newRow("UTF-8 text")
            << QString()
            << std::vector<std::string>{"\xE6\x83\x85\xE5\xA0\xB1 \xEF\xBE\x8A\xEF\xBE\x9E"}
            << QString::fromUtf16(u"\u60C5\u5831 \uFF8A\uFF9E\n");
        QTest::newRow("after a typed line")
            << "note\n"
            << std::vector<std::string>{"X:1 Y:1 P:95 A:2"} << "note\nX:1 Y:1 P:95 A:2\n";
        QTest::newRow("after typing within a line")
            << "no" << std::vector<std::string>{"X:1 Y:1 P:95 A:2"} << "no\nX:1 Y:1 P:95 A:2\n";
    }

    void LinesWrittenWhileHiddenAreThereWhenShown() {
        QFETCH(QString, typed);
        QFETCH(std::vector<std::string>, lines);
        QFETCH(QString, text);

        debuglog::TFormDebug form;
        MemoOf(form)->insertPlainText(typed);
        zorvel::DebugLog& log = form;
        for (const std::string& line : lines) {
            log.AppendLine(line);
        }
        form.ShowOrRaise();
        QCOMPARE(MemoOf(form)->toPlainText(), text);
    }

    void LinesAreKeptWhenTheWindowIsHiddenAndShownAgain() {
        debuglog::TFormDebug form;
        form.AppendLine("first");
        form.ShowOrRaise();
        form.hide();
        form.AppendLine("second");
        form.ShowOrRaise();
        QCOMPARE(MemoOf(form)->toPlainText(), QStringLiteral("first\nsecond\n"));
    }

    void ShowOrRaiseKeepsOneNonModalWindowInFront() {
        debuglog::TFormDebug form;
        form.ShowOrRaise();
        form.showMinimized();
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));

        form.ShowOrRaise();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QVERIFY(!form.isMinimized());
        QCOMPARE(ShownDebugWindows(), 1);
        QVERIFY(!form.isModal());
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
    }
};

QTEST_MAIN(FormDebugTest)
#include "form_debug_test.moc"
