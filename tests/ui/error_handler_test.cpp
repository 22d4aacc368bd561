#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <stdexcept>

#include "message_boxes.h"
#include "zorvel_application.h"

using namespace zorvel;

namespace {

// Throws out of its event handler, as a faulty command would.
class Thrower : public QObject {
  public:
    bool event(QEvent* event) override {
        if (event->type() == QEvent::User) throw std::runtime_error("ファイルが壊れています");
        return QObject::event(event);
    }
};

// What the application's error handler showed, in place of its boxes.
std::vector<std::pair<common::BoxKind, QString>> errorBoxes;

class RecordingBoxes final : public common::MessageBoxes {
  public:
    bool Show(common::BoxKind kind, const QString& text) override {
        errorBoxes.emplace_back(kind, text);
        return true;
    }
};

}  // namespace

class ErrorHandlerTest : public QObject {
    Q_OBJECT

  private slots:
    void anErrorInAHandlerIsShownAndTheProgramGoesOn() {
        Thrower thrower;
        QEvent sent(QEvent::User);
        QCoreApplication::sendEvent(&thrower, &sent);
        QCoreApplication::postEvent(&thrower, new QEvent(QEvent::User));
        QCoreApplication::processEvents();
        QCOMPARE(errorBoxes.size(), std::size_t{2});
        for (const auto& [kind, text] : errorBoxes) {
            QCOMPARE(kind, common::BoxKind::Error);
            QCOMPARE(text, QStringLiteral("ファイルが壊れています."));
        }
    }

    // Each kind of box as a person meets it, answered with Escape.
    void boxesAsTheUserSeesThem_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("seen");
        QTest::newRow("question") << int(common::BoxKind::Question)
                                  << "警告 icon 2: はい(&Y) いいえ(&N), default はい(&Y), "
                                     "Escape いいえ(&N): よろしいですか。";
        QTest::newRow("information") << int(common::BoxKind::Information)
                                     << "情報 icon 1: OK, default OK, Escape OK: よろしいですか。";
        QTest::newRow("error") << int(common::BoxKind::Error)
                               << "ZorVel icon 3: OK, default OK, Escape OK: よろしいですか。.";
    }
    void boxesAsTheUserSeesThem() {
        QFETCH(int, kind);
        QFETCH(QString, seen);
        QString shown;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr || !box->isVisible()) return;
            poll.stop();
            QStringList buttons;
            for (const QAbstractButton* button : box->buttons()) buttons << button->text();
            buttons.sort();
            buttons.move(buttons.size() - 1, 0);  // Yes before No; OK alone
            shown = QStringLiteral("%1 icon %2: %3, default %4, Escape %5: %6")
                        .arg(box->windowTitle())
                        .arg(int(box->icon()))
                        .arg(buttons.join(QLatin1Char(' ')), box->defaultButton()->text(),
                             box->escapeButton()->text(), box->text());
            QTest::keyClick(box, Qt::Key_Escape);
        });
        poll.start(10);
        const QString text = QStringLiteral("よろしいですか。");
        common::DesktopMessageBoxes boxes;
        bool yes = true;
        if (kind == int(common::BoxKind::Question)) yes = boxes.AskQuestion(text);
        if (kind == int(common::BoxKind::Information)) boxes.ShowInformation(text);
        if (kind == int(common::BoxKind::Error)) boxes.ShowError(text);
        QCOMPARE(shown, seen);
        QCOMPARE(yes, kind != int(common::BoxKind::Question));
    }
};

int main(int argc, char* argv[]) {
    ZorVelApplication app(argc, argv, std::make_unique<RecordingBoxes>());
    ErrorHandlerTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "error_handler_test.moc"
