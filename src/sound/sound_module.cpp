// The sound module: the Qt Multimedia output, loaded by the program when it first plays a sound, so
// that Qt Multimedia and its audio libraries are not loaded before the window appears.
#include "sound_module.h"

#include "effect_sound_output.h"

extern "C" Q_DECL_EXPORT zorvel::ui::SoundOutput* ZorvelMakeSoundOutput(
    std::function<void()> beep) {
    return new zorvel::ui::EffectSoundOutput(std::move(beep));
}
