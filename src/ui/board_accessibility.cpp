#include "board_accessibility.h"

#include <QAccessible>

#include "accessible_board.h"
#include "client_area.h"
#include "form_vel.h"

namespace zorvel::ui {
namespace {

BoardEventHandler& EventHandler() {
    static BoardEventHandler handler;
    return handler;
}

bool Listening() {
    return EventHandler() || QAccessible::isActive();
}

// The main window's client area becomes the board table.
QAccessibleInterface* BoardFactory(const QString& /*key*/, QObject* object) {
    auto* client = qobject_cast<ClientArea*>(object);
    auto* form = client != nullptr ? qobject_cast<TFormVel*>(client->window()) : nullptr;
    return form != nullptr ? new AccessibleBoard(client, form) : nullptr;
}

}  // namespace

void InstallBoardAccessibility() {
    static const bool installed = (QAccessible::installFactory(BoardFactory), true);
    (void)installed;
}

void AnnounceCell(ClientArea& client, int x, int y) {
    if (!Listening()) return;
    QMetaObject::invokeMethod(
        &client,
        [&client, x, y] {
            QAccessibleInterface* board = QAccessible::queryAccessibleInterface(&client);
            QAccessibleEvent event(board->tableInterface()->cellAt(y - 1, x - 1),
                                   QAccessible::NameChanged);
            if (EventHandler())
                EventHandler()(event);
            else
                QAccessible::updateAccessibility(&event);
        },
        Qt::QueuedConnection);
}

void InstallBoardEventHandler(BoardEventHandler handler) {
    EventHandler() = std::move(handler);
}

}  // namespace zorvel::ui
