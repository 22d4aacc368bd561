#include "program_windows.h"

#include "chm_help.h"
#include "message_boxes.h"
#include "pacer.h"
#include "program_sound_output.h"

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

std::unique_ptr<ui::TFormVel> MakeProgramForm() {
    return std::make_unique<ui::TFormVel>(
        std::make_unique<ui::BoardPicture>(), std::make_unique<ui::EventLoopPacer>(),
        sound::MakeProgramSoundOutput(),
        [](QWidget* owner) { return std::make_unique<common::DesktopMessageBoxes>(owner); });
}

}  // namespace zorvel
