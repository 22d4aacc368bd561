#include "journal.h"

namespace zorvel::soak {

long Journal::Event(const std::string& text) {
    ++events_;
    Keep(std::to_string(events_) + ": " + text);
    return events_;
}

void Journal::Note(const std::string& text) {
    Keep("    " + text);
}

void Journal::Fail(const std::string& problem) {
    if (problem.empty() || Failed()) return;
    failure_ = problem;
    failedAt_ = events_;
    Keep("FAILED: " + problem);
}

void Journal::Keep(std::string line) {
    lines_.push_back(std::string(2 * depth, ' ') + std::move(line));
    if (lines_.size() > kKeptLines) lines_.pop_front();
}

std::string Journal::Report(std::uint64_t seed) const {
    std::string report =
        "Soak seed " + std::to_string(seed) + ": " +
        (Failed() ? "failed at event " + std::to_string(failedAt_) + ": " + failure_
                  : "no failure") +
        "\nReplay: ZORVEL_SOAK_SEED=" + std::to_string(seed) +
        " ZORVEL_SOAK_EVENTS=" + std::to_string(failedAt_ ? failedAt_ : events_) +
        "\nEvents (the last " + std::to_string(lines_.size()) + " lines):\n";
    for (const std::string& line : lines_) report += line + '\n';
    return report;
}

}  // namespace zorvel::soak
