#include "zorvel_application.h"

#include <QDirIterator>
#include <QIcon>
#include <exception>

#include "message_boxes.h"
#include "program_font.h"

namespace zorvel {
namespace {

// The program's red icon in every size compiled in with zorvel_icons; the green one is the about
// box's alone.
QIcon ProgramIcon() {
    QIcon icon;
    QDirIterator sizes(QStringLiteral(":/icons"), {QStringLiteral("zorvel-[0-9]*.png")});
    while (sizes.hasNext()) {
        icon.addFile(sizes.next());
    }
    return icon;
}

}  // namespace

ZorVelApplication::ZorVelApplication(int& argc, char** argv) : QApplication(argc, argv) {
    // The title of the taskbar entry and of error boxes. A display name would be appended to
    // every window caption on some desktops, so only the plain name is set.
    setApplicationName(QStringLiteral("ZorVel"));
    setWindowIcon(ProgramIcon());
    ui::InstallFontSubstitutes();
    setFont(ui::ProgramFont());
}

bool ZorVelApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        ShowException(error);
    } catch (...) {
        ui::ShowError(QStringLiteral("Unknown error"));
    }
    return false;
}

void ZorVelApplication::ShowException(const std::exception& error) {
    ui::ShowError(QString::fromUtf8(error.what()));
}

}  // namespace zorvel
