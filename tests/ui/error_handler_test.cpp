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

}  // namespace

class ErrorHandlerTest : public QObject {
    Q_OBJECT

  private slots:
    void anErrorInAHandlerIsShownAndTheProgramGoesOn() {
        std::vector<std::pair<ui::BoxKind, QString>> boxes;
        ui::SetBoxAnswerer([&](ui::BoxKind kind, const QString& text) {
            boxes.emplace_back(kind, text);
            return true;
        });
        Thrower thrower;
        QEvent sent(QEvent::User);
        QCoreApplication::sendEvent(&thrower, &sent);
        QCoreApplication::postEvent(&thrower, new QEvent(QEvent::User));
        QCoreApplication::processEvents();
        ui::SetBoxAnswerer(nullptr);
        QCOMPARE(boxes.size(), std::size_t{2});
        for (const auto& [kind, text] : boxes) {
            QCOMPARE(kind, ui::BoxKind::Error);
            QCOMPARE(text, QStringLiteral("ファイルが壊れています."));
        }
    }

    // Each kind of box as a person meets it, answered with Escape.
    void boxesAsTheUserSeesThem_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("seen");
        QTest::newRow("question") << int(ui::BoxKind::Question)
                                  << "警告 icon 2: はい(&Y) いいえ(&N), default はい(&Y), "
                                     "Escape いいえ(&N): よろしいですか。";
        QTest::newRow("information") << int(ui::BoxKind::Information)
                                     << "情報 icon 1: OK, default OK, Escape OK: よろしいですか。";
        QTest::newRow("error") << int(ui::BoxKind::Error)
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
        bool yes = true;
        if (kind == int(ui::BoxKind::Question)) yes = ui::AskQuestion(text);
        if (kind == int(ui::BoxKind::Information)) ui::ShowInformation(text);
        if (kind == int(ui::BoxKind::Error)) ui::ShowError(text);
        QCOMPARE(shown, seen);
        QCOMPARE(yes, kind != int(ui::BoxKind::Question));
    }
};

int main(int argc, char* argv[]) {
    ZorVelApplication app(argc, argv);
    ErrorHandlerTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "error_handler_test.moc"
