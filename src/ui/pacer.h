#pragma once

namespace zorvel::ui {

// Paces the animations and the computer's wait. Any pause keeps the window's events flowing, so
// commands, clicks and repaints may run inside it.
class Pacer {
  public:
    virtual ~Pacer() = default;
    // Returns once more than `ms` milliseconds have passed; handles events at least once.
    virtual void Pause(unsigned ms) = 0;
};

// Sleeps in a nested event loop until the next event or the deadline, so waiting costs no CPU.
class EventLoopPacer final : public Pacer {
  public:
    void Pause(unsigned ms) override;
};

}  // namespace zorvel::ui
