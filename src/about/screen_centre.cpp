#include "screen_centre.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>

namespace zorvel::ui {
namespace {

QMargins FrameMargins(const QWidget& window) {
    const QRect frame = window.frameGeometry();
    const QRect client = window.geometry();
    return {client.left() - frame.left(), client.top() - frame.top(),
            frame.right() - client.right(), frame.bottom() - client.bottom()};
}

// The window manager tells a window's frame only once it has framed the window. Until then the
// frame of another shown window of the program stands in for it, as they are drawn alike.
QMargins ExpectedFrameMargins(const QWidget& window) {
    if (const QMargins own = FrameMargins(window); !own.isNull()) {
        return own;
    }
    for (const QWidget* other : QApplication::topLevelWidgets()) {
        if (const QMargins margins = FrameMargins(*other);
            other->isVisible() && !margins.isNull()) {
            return margins;
        }
    }
    return {};
}

}  // namespace

void CentreFrameOnScreen(QWidget& window) {
    const QMargins margins = ExpectedFrameMargins(window);
    QRect frame = window.rect().marginsAdded(margins);
    frame.moveCenter(window.screen()->geometry().center());
    // Placing the client rather than the frame leaves no doubt about which one is meant.
    window.setGeometry(frame.marginsRemoved(margins));
}

}  // namespace zorvel::ui
