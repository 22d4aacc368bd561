#pragma once

#include <QString>

#include "debug_log.h"

namespace zorvel::ui {

// The windows the main window opens besides its boxes. They are made after it and attached to it.
class SecondaryWindows {
  public:
    // The debug window's lines, written whether it is shown or not.
    virtual DebugLog& Log() = 0;
    // Shows the debug window, or brings it to the front.
    virtual void ShowDebugWindow() = 0;
    // Shows the about box and returns when it is closed.
    virtual void ShowAboutBox() = 0;
    // Shows the contents of the help file `fileName` that lies beside the program.
    virtual void ShowHelpFile(const QString& fileName) = 0;

  protected:
    ~SecondaryWindows() = default;
};

}  // namespace zorvel::ui
