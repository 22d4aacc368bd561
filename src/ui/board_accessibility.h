#pragma once

#include <functional>

class QAccessibleEvent;

namespace zorvel::ui {

class ClientArea;

// Makes screen readers see the main window's board as a table of cells; once is enough.
void InstallBoardAccessibility();

// Tells screen readers that cell (x, y) shows something new. The event leaves once the event
// loop runs again, when the game has stored the cell's value and its name tells it. Nothing is
// done while no assistive technology listens.
void AnnounceCell(ClientArea& client, int x, int y);

// Qt passes accessibility events on only while an assistive technology listens, which never
// happens on the offscreen platform the tests use: a handler installed here receives the board's
// events instead, listener or not. An empty handler gives them back to Qt.
using BoardEventHandler = std::function<void(QAccessibleEvent& event)>;
void InstallBoardEventHandler(BoardEventHandler handler);

}  // namespace zorvel::ui
