#pragma once

// The soak's record: the events as they happened, indented by how deep inside a move they came,
// and the first thing found wrong.
#include <cstdint>
#include <deque>
#include <string>

namespace zorvel::soak {

class Journal {
  public:
    // The event lines kept for the report; a run of any length replays from its seed.
    static constexpr std::size_t kKeptLines = 5000;

    // Starts the next event; returns its number.
    long Event(const std::string& text);
    // A line about the current event, such as a box and its answer.
    void Note(const std::string& text);
    // Keeps the first problem; an empty text is no problem.
    void Fail(const std::string& problem);

    bool Failed() const { return !failure_.empty(); }
    const std::string& Failure() const { return failure_; }
    long Events() const { return events_; }
    // The seed, the failure and the event lines kept.
    std::string Report(std::uint64_t seed) const;

    int depth = 0;  // events inside a pause of a move, nested

  private:
    void Keep(std::string line);

    long events_ = 0;
    long failedAt_ = 0;
    std::string failure_;
    std::deque<std::string> lines_;
};

}  // namespace zorvel::soak
