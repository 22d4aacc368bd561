#pragma once

#include "sound_output.h"

namespace zorvel::sound {

// Windows' own sound call: the system reads and plays each wave file by its name, returns at once
// and cuts off the sound still playing; for a file it cannot play it plays its default sound.
class SystemSoundOutput final : public SoundOutput {
  public:
    void Play(Sound sound) override;
};

}  // namespace zorvel::sound
