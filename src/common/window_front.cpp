#include "window_front.h"

#include <QGuiApplication>
#include <QWidget>

namespace zorvel::common {

void ShowInFront(QWidget& window) {
    if (window.isVisible() && QGuiApplication::platformName() == QLatin1String("wayland")) {
        window.hide();
    }
    window.show();
    window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    window.raise();
    window.activateWindow();
}

}  // namespace zorvel::common
