#pragma once

#include <string>

namespace zorvel {

// Where the computer player writes its reasoning, one line per call.
class DebugLog {
  public:
    virtual void AppendLine(const std::string& line) = 0;

  protected:
    ~DebugLog() = default;
};

}  // namespace zorvel
