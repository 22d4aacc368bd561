#include <QTest>
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
};

int main(int argc, char* argv[]) {
    ZorVelApplication app(argc, argv);
    ErrorHandlerTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "error_handler_test.moc"
