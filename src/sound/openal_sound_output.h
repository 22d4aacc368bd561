#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QHash>
#include <QTimer>
#include <functional>

#include "openal_device.h"
#include "sound_output.h"

namespace zorvel::sound {

// Plays through OpenAL: every wave file is read once into a buffer of its own, and one source plays
// them, so that a new sound cuts off the one before. A file that is missing, empty, cut short,
// larger than kMaxSoundFileBytes or not plain PCM gives the default sound instead. While the device
// is being opened, without an audio device, or once the sound server has gone, nothing is heard and
// nothing waits. Once a sound has ended, the device rests until the next one.
class OpenAlSoundOutput final : public SoundOutput {
  public:
    // `beep` gives the default sound; by default the desktop's. `settingsFile` holds OpenAL's
    // settings for the game.
    explicit OpenAlSoundOutput(std::function<void()> beep = {}, const QString& settingsFile = {});
    ~OpenAlSoundOutput() override;
    OpenAlSoundOutput(const OpenAlSoundOutput&) = delete;
    OpenAlSoundOutput& operator=(const OpenAlSoundOutput&) = delete;

    void Play(const QString& fileName) override;
    bool Preparing() const override { return device_->Opening() || device_->Lost(); }

  private:
    struct Sound {
        int format = 0;  // OpenAL's; none (0) when the file cannot be played
        int sampleRate = 0;
        int lengthMs = 0;
        QByteArray samples;   // whole frames
        unsigned buffer = 0;  // made on the first play with a device
    };

    // The sound of a file, read on its first use.
    Sound& SoundFor(const QString& path);
    void RestWhenEnded();
    void ReopenIfLost();
    void DeleteBuffers();

    std::function<void()> beep_;
    std::unique_ptr<OpenAlDevice> device_;
    QHash<QString, Sound> sounds_;
    QTimer rest_;  // due when the sound playing ends
    QTimer reopen_;
    QElapsedTimer sinceOpened_;
    int reopenWaitMs_;
    bool working_ = false;  // the device was last seen working
};

}  // namespace zorvel::sound
