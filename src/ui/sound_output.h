#pragma once

#include <QHash>
#include <QString>
#include <memory>

class QSoundEffect;

namespace zorvel::ui {

class SoundOutput {
  public:
    virtual ~SoundOutput() = default;
    // Starts a wave file of the current directory playing and returns at once; a sound still
    // playing is cut off.
    virtual void Play(const QString& fileName) = 0;
};

// Plays through Qt Multimedia. A file that is missing or cannot be decoded gives the desktop's
// default sound instead; without an audio device nothing is heard and nothing waits.
class EffectSoundOutput final : public SoundOutput {
  public:
    EffectSoundOutput();
    ~EffectSoundOutput() override;
    void Play(const QString& fileName) override;

  private:
    QSoundEffect* EffectFor(const QString& path);

    QHash<QString, QSoundEffect*> effects_;
    QSoundEffect* playing_ = nullptr;
};

}  // namespace zorvel::ui
