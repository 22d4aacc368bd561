#pragma once

#include "sound_output.h"

namespace zorvel::sound {

// Windows' own sound call: the system reads and plays each wave file by its name, returns at once
// and cuts off the sound still playing; for a file it cannot play it plays its default sound.
class SystemSoundOutput final : public SoundOutput {
  public:
    void Play(const QString& fileName) override;
    // Plays a moment of silence: the first sound the system plays opens its device, which can take
    // longer than a stone's turn, and the next sound would cut that first one off unheard.
    void Prepare() override;
};

}  // namespace zorvel::sound
