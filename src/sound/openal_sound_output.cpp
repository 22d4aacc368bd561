#include "openal_sound_output.h"

#include <AL/al.h>
#include <AL/alext.h>

#include <QApplication>
#include <QDir>
#include <QFile>

#include "wave_header.h"

namespace zorvel::ui {
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

QByteArray ReadSmallFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > OpenAlSoundOutput::kMaxFileBytes)
        return {};
    return file.readAll();
}

}  // namespace

OpenAlSoundOutput::OpenAlSoundOutput(std::function<void()> beep)
    : beep_(beep ? std::move(beep) : [] { QApplication::beep(); }) {
    device_ = alcOpenDevice(nullptr);
    if (device_ == nullptr) {
        qWarning("No sound: no audio device could be opened");
        return;
    }
    context_ = alcCreateContext(device_, nullptr);
    if (context_ == nullptr || !alcMakeContextCurrent(context_)) {
        qWarning("No sound: the audio device gave no context");
        return;
    }
    alGenSources(1, &source_);
    // The sounds are heard as recorded, not placed in a room.
    alSourcei(source_, AL_SOURCE_RELATIVE, AL_TRUE);
}

OpenAlSoundOutput::~OpenAlSoundOutput() {
    if (context_ != nullptr) {
        alDeleteSources(1, &source_);
        for (const Sound& sound : std::as_const(sounds_)) alDeleteBuffers(1, &sound.buffer);
        alcMakeContextCurrent(nullptr);
        alcDestroyContext(context_);
    }
    if (device_ != nullptr) alcCloseDevice(device_);
}

const OpenAlSoundOutput::Sound& OpenAlSoundOutput::SoundFor(const QString& path) {
    auto found = sounds_.constFind(path);
    if (found != sounds_.constEnd()) return *found;
    Sound sound;
    const QByteArray bytes = ReadSmallFile(path);
    const std::optional<WaveSound> wave = ReadWave(bytes);
    const ALenum format = wave ? FormatOf(*wave) : AL_NONE;
    if (format != AL_NONE) {
        sound.playable = true;
        const int frameBytes = wave->channels * wave->bitsPerSample / 8;
        const auto size = static_cast<ALsizei>(wave->samples.size() / frameBytes * frameBytes);
        if (source_ != 0 && size > 0) {
            alGenBuffers(1, &sound.buffer);
            alBufferData(sound.buffer, format, wave->samples.data(), size, wave->sampleRate);
        }
    }
    return *sounds_.insert(path, sound);
}

bool OpenAlSoundOutput::DeviceConnected() const {
    ALCint connected = ALC_FALSE;
    alcGetIntegerv(device_, ALC_CONNECTED, 1, &connected);
    return connected == ALC_TRUE;
}

void OpenAlSoundOutput::Play(const QString& fileName) {
    if (source_ != 0) alSourceStop(source_);
    const QString path = QDir::current().absoluteFilePath(fileName);
    const Sound& sound = SoundFor(path);
    if (!sound.playable) {
        beep_();
        return;
    }
    if (sound.buffer == 0 || !DeviceConnected()) return;
    alSourcei(source_, AL_BUFFER, static_cast<ALint>(sound.buffer));
    alSourcePlay(source_);
}

}  // namespace zorvel::ui
