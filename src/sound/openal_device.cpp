#include "openal_device.h"

#include <AL/al.h>

#include <QtGlobal>
#include <chrono>
#include <condition_variable>
#include <mutex>

namespace zorvel::sound {
namespace {

// OpenAL Soft 1.19 opens and closes devices unsafely from several threads at once: it rebuilds its
// list of the server's devices while another opening reads it. One at a time, then.
std::mutex& DevicesLock() {
    static std::mutex lock;
    return lock;
}

// The openings whose device was given up while they ran. OpenAL tears itself down when the program
// ends and must not do so under one of them; they get a little while to end first, but a server
// that does not answer does not hold the program's end up for long.
class GivenUpOpenings {
  public:
    ~GivenUpOpenings() {
        std::unique_lock<std::mutex> lock(mutex_);
        ended_.wait_for(lock, std::chrono::seconds(2), [this] { return running_ == 0; });
    }
    void Started() {
        const std::lock_guard<std::mutex> lock(mutex_);
        ++running_;
    }
    void Ended() {
        const std::lock_guard<std::mutex> lock(mutex_);
        --running_;
        ended_.notify_all();
    }

  private:
    std::mutex mutex_;
    std::condition_variable ended_;
    int running_ = 0;
};

GivenUpOpenings& GivenUp() {
    static GivenUpOpenings openings;
    return openings;
}

}  // namespace

void OpenAlDevice::State::Open() {
    const std::lock_guard<std::mutex> oneAtATime(DevicesLock());
    device = alcOpenDevice(nullptr);
    if (device == nullptr) {
        if (tellFailure) qWarning("No sound: no audio device could be opened");
        return;
    }
    context = alcCreateContext(device, nullptr);
    if (context == nullptr || !alcMakeContextCurrent(context)) {
        if (tellFailure) qWarning("No sound: the audio device gave no context");
        return;
    }
    if (alcIsExtensionPresent(device, "ALC_SOFT_pause_device")) {
        pause =
            reinterpret_cast<LPALCDEVICEPAUSESOFT>(alcGetProcAddress(device, "alcDevicePauseSOFT"));
        resume = reinterpret_cast<LPALCDEVICERESUMESOFT>(
            alcGetProcAddress(device, "alcDeviceResumeSOFT"));
    }
    alGenSources(1, &source);
    // The sounds are heard as recorded, not placed in a room.
    alSourcei(source, AL_SOURCE_RELATIVE, AL_TRUE);
}

void OpenAlDevice::State::Close() {
    const std::lock_guard<std::mutex> oneAtATime(DevicesLock());
    if (context != nullptr) {
        alDeleteSources(1, &source);
        alcMakeContextCurrent(nullptr);
        alcDestroyContext(context);
    }
    if (device != nullptr) alcCloseDevice(device);
}

OpenAlDevice::OpenAlDevice(bool tellFailure, std::function<void()> first) {
    state_->tellFailure = tellFailure;
    GivenUp();  // made before the first opening, so that it is gone before OpenAL
    opener_ = std::thread([state = state_, first = std::move(first)] {
        if (first) first();
        state->Open();
        if (state->done.exchange(true, std::memory_order_acq_rel)) {
            state->Close();
            GivenUp().Ended();
        }
    });
}

OpenAlDevice::~OpenAlDevice() {
    if (!state_->done.exchange(true, std::memory_order_acq_rel)) {
        // Still opening: the thread closes what it opens, and the program need not wait for a
        // server that does not answer.
        GivenUp().Started();
        opener_.detach();
        return;
    }
    opener_.join();
    state_->Close();
}

unsigned OpenAlDevice::Source() const {
    if (Opening() || state_->source == 0) return 0;
    ALCint connected = ALC_FALSE;
    alcGetIntegerv(state_->device, ALC_CONNECTED, 1, &connected);
    return connected == ALC_TRUE ? state_->source : 0;
}

void OpenAlDevice::Unbind() {
    if (Opening() || state_->source == 0) return;
    alSourceStop(state_->source);
    alSourcei(state_->source, AL_BUFFER, 0);
}

void OpenAlDevice::Rest() {
    if (Source() == 0 || state_->pause == nullptr || state_->resting) return;
    state_->pause(state_->device);
    state_->resting = true;
}

void OpenAlDevice::Wake() {
    if (!state_->resting) return;
    state_->resume(state_->device);
    state_->resting = false;
}

}  // namespace zorvel::sound
