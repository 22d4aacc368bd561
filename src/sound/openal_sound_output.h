#pragma once

#include <AL/alc.h>

#include <QHash>
#include <functional>

#include "sound_output.h"

namespace zorvel::ui {

// Plays through OpenAL: every wave file is read once into a buffer of its own, and one source plays
// them, so that a new sound cuts off the one before. A file that is missing, empty, cut short,
// larger than kMaxFileBytes or not plain PCM gives the default sound instead. Without an audio
// device, or once the sound server has gone, nothing is heard and nothing waits.
class OpenAlSoundOutput final : public SoundOutput {
  public:
    static constexpr qint64 kMaxFileBytes = 16 * 1024 * 1024;

    // `beep` gives the default sound; by default the desktop's.
    explicit OpenAlSoundOutput(std::function<void()> beep = {});
    ~OpenAlSoundOutput() override;
    OpenAlSoundOutput(const OpenAlSoundOutput&) = delete;
    OpenAlSoundOutput& operator=(const OpenAlSoundOutput&) = delete;

    void Play(const QString& fileName) override;

  private:
    struct Sound {
        bool playable = false;
        unsigned buffer = 0;  // none without a device
    };

    // The sound of a file, read on its first use.
    const Sound& SoundFor(const QString& path);
    bool DeviceConnected() const;

    std::function<void()> beep_;
    ALCdevice* device_ = nullptr;
    ALCcontext* context_ = nullptr;
    unsigned source_ = 0;
    QHash<QString, Sound> sounds_;
};

}  // namespace zorvel::ui
