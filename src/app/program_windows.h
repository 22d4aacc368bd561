#pragma once

#include "about_box.h"
#include "form_debug.h"
#include "form_vel.h"

namespace zorvel {

// The main window's secondary windows, made right after it and hidden until asked for. They and
// every message box from now on have the main window as their owner, so a window manager or
// compositor keeps them above it and with it. The main window must outlive them.
class ProgramWindows {
  public:
    explicit ProgramWindows(ui::TFormVel& form);
    ~ProgramWindows();

    TFormDebug debug;
    TAboutBox about;
};

}  // namespace zorvel
