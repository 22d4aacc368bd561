#include "system_sound_output.h"

// With the multimedia calls, sndPlaySoundW among them.
#include <windows.h>

#include <array>

#include "program_sound_output.h"

namespace zorvel::sound {
namespace {

// A wave file in memory: 10 ms of 8-bit mono silence at 8 kHz.
constexpr std::array<unsigned char, 44 + 80> SilentWave() {
    std::array<unsigned char, 44 + 80> wave{};
    const unsigned char header[44] = {'R', 'I', 'F', 'F', 116, 0,   0,   0,  'W', 'A', 'V',
                                      'E', 'f', 'm', 't', ' ', 16,  0,   0,  0,   1,   0,
                                      1,   0,   64,  31,  0,   0,   64,  31, 0,   0,   1,
                                      0,   8,   0,   'd', 'a', 't', 'a', 80, 0,   0,   0};
    for (std::size_t i = 0; i < wave.size(); ++i) {
        wave[i] = i < sizeof header ? header[i] : 0x80;
    }
    return wave;
}

// The system reads it while it plays, after the call has returned.
constexpr auto kSilence = SilentWave();

}  // namespace

void SystemSoundOutput::Play(const QString& fileName) {
    // The wide call, so that a folder of any name works; QString's UTF-16 is null-terminated.
    sndPlaySoundW(reinterpret_cast<LPCWSTR>(fileName.utf16()), SND_ASYNC);
}

void SystemSoundOutput::Prepare() {
    sndPlaySoundW(reinterpret_cast<LPCWSTR>(kSilence.data()),
                  SND_ASYNC | SND_MEMORY | SND_NODEFAULT);
}

std::unique_ptr<SoundOutput> MakeProgramSoundOutput() {
    return std::make_unique<SystemSoundOutput>();
}

}  // namespace zorvel::sound
