#include "system_sound_output.h"

// With the multimedia calls, sndPlaySoundW among them.
#include <windows.h>

#include "program_sound_output.h"

namespace zorvel::sound {

void SystemSoundOutput::Play(Sound sound) {
    // The wide call, so that a folder of any name works; QString's UTF-16 is null-terminated.
    sndPlaySoundW(reinterpret_cast<LPCWSTR>(FileOf(sound).utf16()), SND_ASYNC);
}

std::unique_ptr<SoundOutput> MakeProgramSoundOutput() {
    return std::make_unique<SystemSoundOutput>();
}

}  // namespace zorvel::sound
