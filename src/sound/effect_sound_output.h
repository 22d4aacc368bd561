#pragma once

#include <QHash>
#include <functional>

#include "sound_output.h"

class QSoundEffect;

namespace zorvel::ui {

// Plays through Qt Multimedia. A file that is missing, empty, cut short, larger than
// kMaxFileBytes or that cannot be decoded gives the desktop's default sound instead; without an
// audio device nothing is heard and nothing waits.
class EffectSoundOutput final : public SoundOutput {
  public:
    static constexpr qint64 kMaxFileBytes = 16 * 1024 * 1024;

    // `beep` gives the default sound; by default the desktop's.
    explicit EffectSoundOutput(std::function<void()> beep = {});
    ~EffectSoundOutput() override;
    void Play(const QString& fileName) override;

  private:
    // The effect of a file, made on its first use; null when the file cannot be played.
    QSoundEffect* EffectFor(const QString& path);

    std::function<void()> beep_;
    QHash<QString, QSoundEffect*> effects_;
    QSoundEffect* playing_ = nullptr;
};

}  // namespace zorvel::ui
