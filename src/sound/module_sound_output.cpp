#include "module_sound_output.h"

#include <QApplication>
#include <QDir>
#include <QLibrary>

#include "program_sound_output.h"
#include "sound_module.h"

namespace zorvel::sound {

ModuleSoundOutput::ModuleSoundOutput(QString folder, std::function<void()> beep)
    : folder_(std::move(folder)), beep_(beep ? std::move(beep) : [] { QApplication::beep(); }) {}

// The module stays loaded after its output is gone: the audio libraries it brought in tidy up
// their own threads when the program ends.
ModuleSoundOutput::~ModuleSoundOutput() = default;

void ModuleSoundOutput::Prepare() {
    if (loaded_) return;
    loaded_ = true;
    const QString folder = folder_.isEmpty() ? QCoreApplication::applicationDirPath() : folder_;
    QLibrary module(QDir(folder).filePath(QStringLiteral(ZORVEL_SOUND_MODULE)));
    const auto make =
        reinterpret_cast<MakeSoundOutputFunction>(module.resolve(kMakeSoundOutputSymbol));
    if (make == nullptr) {
        qWarning("No sound: %s", qPrintable(module.errorString()));
        return;
    }
    output_.reset(make(beep_));
}

void ModuleSoundOutput::Play(Sound sound) {
    Prepare();
    if (output_ != nullptr)
        output_->Play(sound);
    else
        beep_();
}

std::unique_ptr<SoundOutput> MakeProgramSoundOutput() {
    return std::make_unique<ModuleSoundOutput>();
}

}  // namespace zorvel::sound
