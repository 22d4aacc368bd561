#pragma once

#include <QHash>
#include <QString>
#include <functional>

class QSoundEffect;

namespace zorvel::ui {

// The program's two sounds, looked up in the current directory: a stone placed or turned, and the
// computer starting its turn.
inline const QString kStoneSound = QStringLiteral("ZorTurn0.wav");
inline const QString kComputerSound = QStringLiteral("ZorTurn1.wav");

class SoundOutput {
  public:
    virtual ~SoundOutput() = default;
    // Starts a wave file of the current directory playing and returns at once; a sound still
    // playing is cut off.
    virtual void Play(const QString& fileName) = 0;
};

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
