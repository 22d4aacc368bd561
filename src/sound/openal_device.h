#pragma once

#include <AL/alc.h>
#include <AL/alext.h>

#include <atomic>
#include <functional>
#include <memory>
#include <thread>

namespace zorvel::sound {

// The audio device with one context and one source, opened on a thread of its own: a sound server
// that does not answer holds the opening up for half a minute, and the game must not wait for it.
class OpenAlDevice {
  public:
    // `tellFailure`: whether a device that cannot be opened says so. `first` runs on the opening
    // thread before the opening, which may outlive the device: it must own what it works on.
    explicit OpenAlDevice(bool tellFailure = true, std::function<void()> first = {});
    ~OpenAlDevice();
    OpenAlDevice(const OpenAlDevice&) = delete;
    OpenAlDevice& operator=(const OpenAlDevice&) = delete;

    // Whether the opening is still under way.
    bool Opening() const { return !state_->done.load(std::memory_order_acquire); }
    // The source that plays the sounds, once the device is open and while the sound server is
    // there; none (0) otherwise.
    unsigned Source() const;
    // Whether the device is open no longer, or could not be opened: the sound server has gone.
    bool Lost() const { return !Opening() && Source() == 0; }
    // Stops the source and lets go of its buffer, so that the buffers can be deleted.
    void Unbind();
    // Lets the device stop mixing while nothing plays, where OpenAL can pause it, so that its
    // threads sleep; Wake brings it back before the next sound.
    void Rest();
    void Wake();

  private:
    // Shared with the opening thread. Whichever of the thread and the destructor comes second to
    // `done` closes the device: the thread, when the output was destroyed while it was opening.
    struct State {
        std::atomic<bool> done = false;
        ALCdevice* device = nullptr;
        ALCcontext* context = nullptr;
        unsigned source = 0;
        LPALCDEVICEPAUSESOFT pause = nullptr;  // none where OpenAL cannot pause a device
        LPALCDEVICERESUMESOFT resume = nullptr;
        bool resting = false;
        bool tellFailure = true;
        void Open();
        void Close();
    };

    std::shared_ptr<State> state_ = std::make_shared<State>();
    std::thread opener_;
};

}  // namespace zorvel::sound
