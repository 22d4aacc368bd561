// Windows' own sound call: the system reads and plays each wave file by its name, returns at once
// and cuts off the sound still playing; for a file it cannot play it plays its default sound.
#include <windows.h>  // with the multimedia calls, sndPlaySoundW among them

#include "program_sound_output.h"

namespace zorvel::sound {
namespace {

class SystemSoundOutput final : public SoundOutput {
  public:
    void Play(Sound sound) override {
        // The wide call, so that a folder of any name works; QString's UTF-16 is null-terminated.
        sndPlaySoundW(reinterpret_cast<LPCWSTR>(FileOf(sound).utf16()), SND_ASYNC);
    }
};

}  // namespace

std::unique_ptr<SoundOutput> MakeProgramSoundOutput() {
    return std::make_unique<SystemSoundOutput>();
}

}  // namespace zorvel::sound
