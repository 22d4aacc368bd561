#pragma once

// The debug log as the program has it, with each line also shown to the soak.
#include <functional>
#include <string>
#include <utility>

#include "debug_log.h"

namespace zorvel::soak {

class ObservedLog : public DebugLog {
  public:
    ObservedLog(DebugLog& shown, std::function<void(const std::string&)> observer)
        : shown_(shown), observer_(std::move(observer)) {}

    void AppendLine(const std::string& line) override {
        shown_.AppendLine(line);
        observer_(line);
    }

  private:
    DebugLog& shown_;
    std::function<void(const std::string&)> observer_;
};

}  // namespace zorvel::soak
