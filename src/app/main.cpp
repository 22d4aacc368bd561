// Start-up: the help link, the application object, the main window and its secondary windows,
// then the message loop until the user agrees to end the program.
#include <exception>

#include "form_vel.h"
#include "zorvel_application.h"

int main(int argc, char* argv[]) {
    zorvel::ZorVelApplication app(argc, argv);
    // Closing is confirmed by the main window itself; the other windows don't keep it alive.
    QApplication::setQuitOnLastWindowClosed(false);

    zorvel::ui::TFormVel form;
    try {
        form.FormCreate();
    } catch (const std::exception& error) {
        zorvel::ZorVelApplication::ShowException(error);
    }
    QObject::connect(&form, &zorvel::ui::TFormVel::Closed, [] { QCoreApplication::exit(0); });
    form.show();
    return QApplication::exec();
}
