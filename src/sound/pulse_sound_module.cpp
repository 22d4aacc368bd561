// The sound module through the sound server, PulseAudio or PipeWire's service for it.
#include "pulse_sound_output.h"
#include "sound_module.h"

extern "C" Q_DECL_EXPORT zorvel::sound::SoundOutput* ZorvelMakeSoundOutput(
    std::function<void()> beep) {
    return new zorvel::sound::PulseSoundOutput(std::move(beep));
}
