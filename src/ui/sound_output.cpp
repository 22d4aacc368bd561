#include "sound_output.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

namespace zorvel::ui {

EffectSoundOutput::EffectSoundOutput() = default;

EffectSoundOutput::~EffectSoundOutput() {
    qDeleteAll(effects_);
}

QSoundEffect* EffectSoundOutput::EffectFor(const QString& path) {
    auto found = effects_.constFind(path);
    if (found != effects_.constEnd()) return *found;
    auto* effect = new QSoundEffect;
    effect->setSource(QUrl::fromLocalFile(path));
    effects_.insert(path, effect);
    return effect;
}

void EffectSoundOutput::Play(const QString& fileName) {
    const QString path = QDir::current().absoluteFilePath(fileName);
    if (playing_ != nullptr) playing_->stop();
    playing_ = nullptr;
    if (!QFileInfo(path).isFile()) {
        QApplication::beep();
        return;
    }
    QSoundEffect* effect = EffectFor(path);
    if (effect->status() == QSoundEffect::Error) {
        QApplication::beep();
        return;
    }
    // Never wait on the effect: without an audio device it claims to play forever.
    effect->play();
    playing_ = effect;
}

}  // namespace zorvel::ui
