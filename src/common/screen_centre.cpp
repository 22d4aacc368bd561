#include "screen_centre.h"

#include <QApplication>
#include <QEvent>
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

void CentreWithMargins(QWidget& window, const QMargins& margins) {
    QRect frame = window.rect().marginsAdded(margins);
    frame.moveCenter(window.screen()->geometry().center());
    // Placing the client rather than the frame leaves no doubt about which one is meant.
    window.setGeometry(frame.marginsRemoved(margins));
}

// Centres a window once more when the window manager has framed it with other margins than the
// ones it was centred with (the first window of the program has no other to go by), then goes.
class RecentreWhenFramed final : public QObject {
  public:
    static constexpr const char* kName = "RecentreWhenFramed";

    RecentreWhenFramed(QWidget& window, const QMargins& margins)
        : QObject(&window), window_(window), margins_(margins) {
        setObjectName(kName);
        window.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &window_ && event->type() == QEvent::Move) {
            if (const QMargins framed = FrameMargins(window_);
                !framed.isNull() && framed != margins_) {
                deleteLater();
                window_.removeEventFilter(this);
                CentreWithMargins(window_, framed);
            }
        }
        return false;
    }

  private:
    QWidget& window_;
    QMargins margins_;
};

}  // namespace

void CentreFrameOnScreen(QWidget& window) {
    const QMargins margins = ExpectedFrameMargins(window);
    CentreWithMargins(window, margins);
    if (FrameMargins(window).isNull() &&
        !window.findChild<QObject*>(RecentreWhenFramed::kName, Qt::FindDirectChildrenOnly)) {
        new RecentreWhenFramed(window, margins);
    }
}

}  // namespace zorvel::ui
