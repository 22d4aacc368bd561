#include "openal_sound_output.h"

#include <AL/al.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "wave_header.h"

namespace zorvel::sound {
namespace {

// OpenAL's format for plain PCM of one or two channels and 8 or 16 bits, else none.
ALenum FormatOf(const WaveSound& wave) {
    if (wave.coding != 1 || wave.sampleRate <= 0) return AL_NONE;
    if (wave.channels == 1 && wave.bitsPerSample == 8) return AL_FORMAT_MONO8;
    if (wave.channels == 1 && wave.bitsPerSample == 16) return AL_FORMAT_MONO16;
    if (wave.channels == 2 && wave.bitsPerSample == 8) return AL_FORMAT_STEREO8;
    if (wave.channels == 2 && wave.bitsPerSample == 16) return AL_FORMAT_STEREO16;
    return AL_NONE;
}

// Longer than the mixer takes to play what it has been given.
constexpr int kMixingMs = 50;

QByteArray ReadSmallFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > OpenAlSoundOutput::kMaxFileBytes)
        return {};
    return file.readAll();
}

}  // namespace

OpenAlSoundOutput::OpenAlSoundOutput(std::function<void()> beep, const QString& settingsFile)
    : beep_(beep ? std::move(beep) : [] { QApplication::beep(); }) {
    // OpenAL reads its settings when first used. Its default mixing buffer holds about 70 ms, so a
    // click would be heard well after its stone appears; the settings beside the module ask for
    // one of about 17 ms. Settings a user names in ALSOFT_CONF win.
    if (!settingsFile.isEmpty() && !qEnvironmentVariableIsSet("ALSOFT_CONF") &&
        QFileInfo::exists(settingsFile))
        qputenv("ALSOFT_CONF", QFile::encodeName(settingsFile));
    device_ = std::make_unique<OpenAlDevice>();
    rest_.setSingleShot(true);
    QObject::connect(&rest_, &QTimer::timeout, [this] { RestWhenEnded(); });
}

OpenAlSoundOutput::~OpenAlSoundOutput() {
    if (const unsigned source = device_->Source(); source != 0) {
        alSourceStop(source);
        alSourcei(source, AL_BUFFER, 0);
    }
    for (const Sound& sound : std::as_const(sounds_)) {
        if (sound.buffer != 0) alDeleteBuffers(1, &sound.buffer);
    }
}

OpenAlSoundOutput::Sound& OpenAlSoundOutput::SoundFor(const QString& path) {
    auto found = sounds_.find(path);
    if (found != sounds_.end()) return *found;
    Sound sound;
    const QByteArray bytes = ReadSmallFile(path);
    const std::optional<WaveSound> wave = ReadWave(bytes);
    if (wave) {
        sound.format = FormatOf(*wave);
        sound.sampleRate = wave->sampleRate;
        if (sound.format != AL_NONE) {
            // One or two channels of one or two bytes: known once the format is.
            const int frameBytes = wave->channels * wave->bitsPerSample / 8;
            sound.samples =
                wave->samples.first(wave->samples.size() / frameBytes * frameBytes).toByteArray();
            sound.lengthMs =
                static_cast<int>(sound.samples.size() / frameBytes * 1000 / sound.sampleRate);
        }
        if (sound.samples.isEmpty()) sound.format = AL_NONE;
    }
    return *sounds_.insert(path, sound);
}

void OpenAlSoundOutput::Play(const QString& fileName) {
    const unsigned source = device_->Source();
    if (source != 0) alSourceStop(source);
    Sound& sound = SoundFor(QDir::current().absoluteFilePath(fileName));
    if (sound.format == AL_NONE) {
        RestWhenEnded();
        beep_();
        return;
    }
    if (source == 0) return;
    device_->Wake();
    if (sound.buffer == 0) {
        alGenBuffers(1, &sound.buffer);
        alBufferData(sound.buffer, sound.format, sound.samples.constData(),
                     static_cast<ALsizei>(sound.samples.size()), sound.sampleRate);
    }
    alSourcei(source, AL_BUFFER, static_cast<ALint>(sound.buffer));
    alSourcePlay(source);
    rest_.start(sound.lengthMs + kMixingMs);
}

void OpenAlSoundOutput::RestWhenEnded() {
    const unsigned source = device_->Source();
    if (source == 0) return;
    ALint state = AL_STOPPED;
    alGetSourcei(source, AL_SOURCE_STATE, &state);
    if (state == AL_PLAYING)
        rest_.start(kMixingMs);
    else
        device_->Rest();
}

}  // namespace zorvel::sound
