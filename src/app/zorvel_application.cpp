#include "zorvel_application.h"

#include <QDirIterator>
#include <QIcon>
#include <exception>

#include "program_font.h"
#include "program_identity.h"

namespace zorvel {
namespace {

// The program's red icon in every size compiled in with zorvel_icons; the green one is the about
// box's alone. A "@2x" twin is not a size of its own: on a high-resolution screen QIcon adds it
// to its 1x picture by itself.
QIcon ProgramIcon() {
    QIcon icon;
    QDirIterator sizes(QStringLiteral(":/icons"), {QStringLiteral("zorvel-[0-9]*.png")});
    while (sizes.hasNext()) {
        const QString name = sizes.next();
        if (!name.contains(u'@')) icon.addFile(name);
    }
    return icon;
}

}  // namespace

ZorVelApplication::ZorVelApplication(int& argc, char** argv,
                                     std::unique_ptr<common::MessageBoxes> errorBoxes)
    : QApplication(argc, argv), errorBoxes_(std::move(errorBoxes)) {
    // Desktops find the menu entry, and with it the icon, of a running window by this one name:
    // Wayland compositors by the desktop file's name, X11 ones by the window class, which Qt takes
    // from the application name. A display name would be appended to every window caption on some
    // desktops, so none is set.
    setApplicationName(QString::fromUtf8(common::kAppId));
    setDesktopFileName(QString::fromUtf8(common::kAppId));
    setWindowIcon(ProgramIcon());
    common::InstallFontSubstitutes();
    setFont(common::ProgramFont());
}

bool ZorVelApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        ShowException(error);
    } catch (...) {
        errorBoxes_->ShowError(QStringLiteral("Unknown error"));
    }
    return false;
}

void ZorVelApplication::ShowException(const std::exception& error) {
    errorBoxes_->ShowError(QString::fromUtf8(error.what()));
}

}  // namespace zorvel
