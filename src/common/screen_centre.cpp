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

void CentreWithMargins(QWidget& window, const QMargins& margins) {
    QRect frame = window.rect().marginsAdded(margins);
    frame.moveCenter(window.screen()->geometry().center());
    // Placing the client rather than the frame leaves no doubt about which one is meant.
    window.setGeometry(frame.marginsRemoved(margins));
}

// Centres a window once more when the window manager has framed it, then goes. A window manager
// may frame a window where it stands, so that no event tells of it: the frame is looked at a
// while after the window was shown, until it reads the same twice.
class RecentreWhenFramed final : public QObject {
  public:
    static constexpr const char* kName = "RecentreWhenFramed";

    explicit RecentreWhenFramed(QWidget& window) : QObject(&window), window_(window) {
        setObjectName(kName);
        startTimer(kInterval);
    }

  protected:
    void timerEvent(QTimerEvent*) override {
        const QMargins framed = FrameMargins(window_);
        if (Plausible(framed) && framed == previous_) {
            CentreWithMargins(window_, framed);
            deleteLater();
        } else if (++looks_ == kLooks) {
            deleteLater();
        }
        previous_ = framed;
    }

  private:
    static constexpr int kInterval = 50;  // ms
    static constexpr int kLooks = 60;

    QWidget& window_;
    int looks_ = 0;
    QMargins previous_;
};

}  // namespace

void CentreFrameOnScreen(QWidget& window) {
    const bool framed = Plausible(FrameMargins(window));
    CentreWithMargins(window, ExpectedFrameMargins(window));
    if (!framed &&
        !window.findChild<QObject*>(RecentreWhenFramed::kName, Qt::FindDirectChildrenOnly)) {
        new RecentreWhenFramed(window);
    }
}

}  // namespace zorvel::ui
