// The sound module through OpenAL, for systems without a sound server that speaks PulseAudio's
// protocol. It reads OpenAL's settings from the file beside it.
#include <QDir>

#include "openal_sound_output.h"
#include "sound_module.h"

extern "C" Q_DECL_EXPORT zorvel::sound::SoundOutput* ZorvelMakeSoundOutput(
    std::function<void()> beep, const QString& folder) {
    return new zorvel::sound::OpenAlSoundOutput(
        std::move(beep),
        QDir(folder).filePath(QString::fromLatin1(zorvel::sound::kSoundSettingsFile)));
}
