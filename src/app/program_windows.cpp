#include "program_windows.h"

#include "message_boxes.h"

namespace zorvel {

ProgramWindows::ProgramWindows(ui::TFormVel& form) : debug(&form), about(&form) {
    form.AttachSecondaryWindows(
        {&debug, [this] { debug.ShowOrRaise(); }, [this] { about.exec(); }});
    ui::SetBoxOwner(&form);
}

ProgramWindows::~ProgramWindows() {
    ui::SetBoxOwner(nullptr);
}

}  // namespace zorvel
