#pragma once

#include <memory>

#include "sound_output.h"

namespace zorvel::sound {

// The output the program plays through on this system: on Windows the system's own sound call, on
// other systems the sound module beside the program.
std::unique_ptr<SoundOutput> MakeProgramSoundOutput();

}  // namespace zorvel::sound
