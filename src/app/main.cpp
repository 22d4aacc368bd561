// Start-up: the help link, the application object, the main window and its secondary windows,
// then the message loop until the user agrees to end the program.
#include <exception>
#include <memory>

#include "chm_help.h"
#include "program_windows.h"
#include "zorvel_application.h"

int main(int argc, char* argv[]) {
    zorvel::help::LoadHelpLibrary();
    zorvel::ZorVelApplication app(argc, argv);
    // Closing is confirmed by the main window itself; the other windows don't keep it alive.
    QApplication::setQuitOnLastWindowClosed(false);

    const std::unique_ptr<zorvel::ui::TFormVel> form = zorvel::MakeProgramForm();
    try {
        form->FormCreate();
    } catch (const std::exception& error) {
        app.ShowException(error);
    }
    zorvel::ProgramWindows secondaryWindows(*form);
    QObject::connect(form.get(), &zorvel::ui::TFormVel::Closed, [] { QCoreApplication::exit(0); });
    form->show();
    const int exitCode = QApplication::exec();
    zorvel::help::UnloadHelpLibrary();
    return exitCode;
}
