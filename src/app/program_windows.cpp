#include "program_windows.h"

#include "chm_help.h"

namespace zorvel {

ProgramWindows::ProgramWindows(ui::TFormVel& form) : debug(&form), about(&form), form_(form) {
    form_.AttachSecondaryWindows(this);
}

ProgramWindows::~ProgramWindows() {
    form_.AttachSecondaryWindows(nullptr);
}

void ProgramWindows::ShowHelpFile(const QString& fileName) {
    help::ShowHelpFile(&form_, fileName);
}

}  // namespace zorvel
