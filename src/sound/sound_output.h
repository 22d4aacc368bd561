#pragma once

#include <QString>

namespace zorvel::sound {

// The program's two sounds: a stone placed or turned, and the computer starting its turn; each a
// wave file of the current directory.
enum class Sound { Stone, Computer };
inline const QString kStoneSound = QStringLiteral("ZorTurn0.wav");
inline const QString kComputerSound = QStringLiteral("ZorTurn1.wav");
inline const QString& FileOf(Sound sound) {
    return sound == Sound::Stone ? kStoneSound : kComputerSound;
}

class SoundOutput {
  public:
    virtual ~SoundOutput() = default;
    // Starts the sound playing and returns at once; a sound still playing is cut off.
    virtual void Play(Sound sound) = 0;
    // Gets ready to play, so that the first sound is not late; the first Play does it otherwise.
    virtual void Prepare() {}
    // Whether it is still getting ready: the sounds asked for meanwhile are not heard.
    virtual bool Preparing() const { return false; }
    // Whether the program's sounds have been read. An output that reads them off the caller's
    // thread hears nothing asked for before, not even the default sound.
    virtual bool SoundsRead() const { return true; }
};

}  // namespace zorvel::sound
