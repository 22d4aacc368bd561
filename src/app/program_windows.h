#pragma once

#include <memory>

#include "about_box.h"
#include "form_debug.h"
#include "form_vel.h"

namespace zorvel {

// The main window's secondary windows, made right after it and hidden until asked for, and the
// help window it opens. They have the main window as their owner, so a window manager or
// compositor keeps them above it and with it. The main window must outlive them.
class ProgramWindows final : public ui::SecondaryWindows {
  public:
    explicit ProgramWindows(ui::TFormVel& form);
    ~ProgramWindows();

    DebugLog& Log() override { return debug; }
    void ShowDebugWindow() override { debug.ShowOrRaise(); }
    void ShowAboutBox() override { about.exec(); }
    void ShowHelpFile(const QString& fileName) override;

    debuglog::TFormDebug debug;
    about::TAboutBox about;

  private:
    ui::TFormVel& form_;
};

// The main window as the program opens it: its waits in the event loop, the sound output of this
// system, and the desktop's boxes kept above it.
std::unique_ptr<ui::TFormVel> MakeProgramForm();

}  // namespace zorvel
