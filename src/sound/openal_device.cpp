#include "openal_device.h"

#include <AL/al.h>

#include <QtGlobal>

namespace zorvel::sound {

void OpenAlDevice::State::Open() {
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
    if (context != nullptr) {
        alDeleteSources(1, &source);
        alcMakeContextCurrent(nullptr);
        alcDestroyContext(context);
    }
    if (device != nullptr) alcCloseDevice(device);
}

OpenAlDevice::OpenAlDevice(bool tellFailure) {
    state_->tellFailure = tellFailure;
    opener_ = std::thread([state = state_] {
        state->Open();
        if (state->done.exchange(true, std::memory_order_acq_rel)) state->Close();
    });
}

OpenAlDevice::~OpenAlDevice() {
    if (!state_->done.exchange(true, std::memory_order_acq_rel)) {
        // Still opening: the thread closes what it opens, and the program need not wait for a
        // server that does not answer.
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
