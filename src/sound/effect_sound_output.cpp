#include "effect_sound_output.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

#include "wave_header.h"

namespace zorvel::ui {
namespace {

bool IsPlayableFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.size() <= EffectSoundOutput::kMaxFileBytes &&
           IsCompleteWave(file.readAll());
}

}  // namespace

EffectSoundOutput::EffectSoundOutput(std::function<void()> beep)
    : beep_(beep ? std::move(beep) : [] { QApplication::beep(); }) {}

EffectSoundOutput::~EffectSoundOutput() {
    qDeleteAll(effects_);
}

QSoundEffect* EffectSoundOutput::EffectFor(const QString& path) {
    auto found = effects_.constFind(path);
    if (found != effects_.constEnd()) return *found;
    QSoundEffect* effect = nullptr;
    if (IsPlayableFile(path)) {
        effect = new QSoundEffect;
        // The decoder reports a file it cannot read only after the first play has started.
        QObject::connect(effect, &QSoundEffect::statusChanged, effect, [this, effect] {
            if (effect->status() != QSoundEffect::Error || playing_ != effect) return;
            playing_ = nullptr;
            beep_();
        });
        effect->setSource(QUrl::fromLocalFile(path));
    }
    effects_.insert(path, effect);
    return effect;
}

void EffectSoundOutput::Play(const QString& fileName) {
    const QString path = QDir::current().absoluteFilePath(fileName);
    if (playing_ != nullptr) playing_->stop();
    playing_ = nullptr;
    QSoundEffect* effect = QFileInfo(path).isFile() ? EffectFor(path) : nullptr;
    if (effect == nullptr || effect->status() == QSoundEffect::Error) {
        beep_();
        return;
    }
    // Never wait on the effect: without an audio device it claims to play forever.
    effect->play();
    playing_ = effect;
}

}  // namespace zorvel::ui
