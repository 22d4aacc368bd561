// The sound module: the OpenAL output, loaded by the program once its window is on the screen, so
// that the audio libraries are not loaded before the window appears.
#include "sound_module.h"

#include <QDir>

#include "openal_sound_output.h"

extern "C" Q_DECL_EXPORT zorvel::sound::SoundOutput* ZorvelMakeSoundOutput(
    std::function<void()> beep, const QString& folder) {
    return new zorvel::sound::OpenAlSoundOutput(
        std::move(beep),
        QDir(folder).filePath(QString::fromLatin1(zorvel::sound::kSoundSettingsFile)));
}
