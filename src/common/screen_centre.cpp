#include "screen_centre.h"

#include <QApplication>
#include <QEvent>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace zorvel::common {
namespace {

// The margins as the window system tells them now. The widget's own frame geometry keeps the
// margins of its last move or resize, from before the frame, when a window manager frames the
// window where it stands.
QMargins FrameMargins(const QWidget& window) {
    const QWindow* handle = window.windowHandle();
    return handle != nullptr ? handle->frameMargins() : QMargins();
}

// Halfway through framing, the frame can read as nonsense: the frame a mere point, or the client's
// top left corner still its own.
bool Plausible(const QMargins& margins) {
    return margins.left() >= 0 && margins.top() > 0 && margins.right() >= 0 &&
           margins.bottom() >= 0;
}

// The window manager tells a window's frame only once it has framed the window. Until then the
// frame of another shown window of the program stands in for it, as they are drawn alike.
QMargins ExpectedFrameMargins(const QWidget& window) {
    if (const QMargins own = FrameMargins(window); Plausible(own)) {
        return own;
    }
    for (const QWidget* other : QApplication::topLevelWidgets()) {
        if (const QMargins margins = FrameMargins(*other);
            other->isVisible() && Plausible(margins)) {
            return margins;
        }
    }
    return {};
}

// A window maximised, full screen or minimised meanwhile keeps the place it was given.
void CentreWithMargins(QWidget& window, const QMargins& margins) {
    if (window.windowState() != Qt::WindowNoState) return;
    QRect frame = window.rect().marginsAdded(margins);
    frame.moveCenter(window.screen()->geometry().center());
    // Placing the client rather than the frame leaves no doubt about which one is meant.
    window.setGeometry(frame.marginsRemoved(margins));
}

// Centres a window once more when it first appears on the screen, then goes: the window manager
// has framed it by then, as the frame is what appears. It lives no longer than the native window
// it watches.
class RecentreWhenFramed final : public QObject {
  public:
    static constexpr const char* kName = "RecentreWhenFramed";

    RecentreWhenFramed(QWidget& window, QWindow& handle, const QMargins& margins)
        : QObject(&handle), window_(window), handle_(handle), margins_(margins) {
        setObjectName(kName);
        handle.installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Expose && handle_.isExposed()) {
            handle_.removeEventFilter(this);
            deleteLater();
            if (const QMargins framed = FrameMargins(window_);
                Plausible(framed) && framed != margins_) {
                CentreWithMargins(window_, framed);
            }
        }
        return false;
    }

  private:
    QWidget& window_;
    QWindow& handle_;
    QMargins margins_;
};

}  // namespace

void CentreFrameOnScreen(QWidget& window) {
    const bool framed = Plausible(FrameMargins(window));
    const QMargins margins = ExpectedFrameMargins(window);
    CentreWithMargins(window, margins);
    QWindow* handle = window.windowHandle();
    if (!framed && handle != nullptr &&
        !handle->findChild<QObject*>(RecentreWhenFramed::kName, Qt::FindDirectChildrenOnly)) {
        new RecentreWhenFramed(window, *handle, margins);
    }
}

}  // namespace zorvel::common
