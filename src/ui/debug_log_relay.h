#pragma once

#include <string>

#include "debug_log.h"

namespace zorvel::ui {

// The game's debug log as the main window keeps it: lines go to the debug window once one is
// attached, and are dropped before, since the window is made after the game starts up.
class DebugLogRelay final : public DebugLog {
  public:
    void Attach(DebugLog* window) { window_ = window; }
    void AppendLine(const std::string& line) override {
        if (window_ != nullptr) window_->AppendLine(line);
    }

  private:
    DebugLog* window_ = nullptr;
};

}  // namespace zorvel::ui
