#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QHash>
#include <QTimer>
#include <atomic>
#include <functional>
#include <memory>

#include "openal_device.h"
#include "sound_output.h"

namespace zorvel::sound {

// Plays through OpenAL: each of the program's wave files is read once into a buffer of its own, and
// one source plays them, so that a new sound cuts off the one before. A file that is missing,
// empty, cut short, larger than kMaxSoundFileBytes or not plain PCM gives the default sound
// instead. While the device is being opened, without an audio device, or once the sound server has
// gone, nothing is heard and nothing waits. Once a sound has ended, the device rests until the next
// one.
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
    bool SoundsRead() const override { return sounds_->read.load(std::memory_order_acquire); }

  private:
    struct Sound {
        int format = 0;  // OpenAL's; none (0) when the file cannot be played
        int sampleRate = 0;
        int lengthMs = 0;
        QByteArray samples;   // whole frames
        unsigned buffer = 0;  // made on the first play with a device
    };
    // The program's two sounds, of the current directory, by path. They are read on the opening
    // thread before the first device opens, so that a file never holds the caller up; shared with
    // that thread, which may outlive the output.
    struct Sounds {
        QHash<QString, Sound> byPath;
        std::atomic<bool> read = false;
        void Read();
    };

    // One of the program's sounds; none for another file, which gives the default sound.
    Sound* SoundFor(const QString& fileName);
    void RestWhenEnded();
    void ReopenIfLost();
    void DeleteBuffers();

    std::function<void()> beep_;
    std::shared_ptr<Sounds> sounds_ = std::make_shared<Sounds>();
    std::unique_ptr<OpenAlDevice> device_;
    QTimer rest_;  // due when the sound playing ends
    QTimer reopen_;
    QElapsedTimer sinceOpened_;
    int reopenWaitMs_;
    bool working_ = false;  // the device was last seen working
};

}  // namespace zorvel::sound
