#include "openal_sound_output.h"

#include <AL/al.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <limits>

#include "pcm_sound.h"

namespace zorvel::sound {
namespace {

// OpenAL's format for the sound; none when the file cannot be played.
ALenum FormatOf(const PcmSound& sound) {
    const bool eightBits = sound.bitsPerSample == 8;
    if (sound.channels == 1) return eightBits ? AL_FORMAT_MONO8 : AL_FORMAT_MONO16;
    if (sound.channels == 2) return eightBits ? AL_FORMAT_STEREO8 : AL_FORMAT_STEREO16;
    return AL_NONE;
}

// Longer than the mixer takes to play what it has been given.
constexpr int kMixingMs = 50;
// The waits before opening a lost device again.
constexpr int kFirstReopenMs = 1000;
constexpr int kLongestReopenMs = 64'000;

}  // namespace

OpenAlSoundOutput::OpenAlSoundOutput(std::function<void()> beep, const QString& settingsFile)
    : beep_(beep ? std::move(beep) : [] { QApplication::beep(); }), reopenWaitMs_(kFirstReopenMs) {
    // OpenAL reads its settings when first used. Its default mixing buffer holds about 70 ms, so a
    // click would be heard well after its stone appears; the settings beside the module ask for
    // one of about 17 ms. Settings a user names in ALSOFT_CONF win.
    if (!settingsFile.isEmpty() && !qEnvironmentVariableIsSet("ALSOFT_CONF") &&
        QFileInfo::exists(settingsFile))
        qputenv("ALSOFT_CONF", QFile::encodeName(settingsFile));
    for (const QString& fileName : {kStoneSound, kComputerSound})
        sounds_->byPath.insert(QDir::current().absoluteFilePath(fileName), {});
    device_ = std::make_unique<OpenAlDevice>(true, [sounds = sounds_] { sounds->Read(); });
    sinceOpened_.start();
    rest_.setSingleShot(true);
    QObject::connect(&rest_, &QTimer::timeout, [this] { RestWhenEnded(); });
    reopen_.setSingleShot(true);
    QObject::connect(&reopen_, &QTimer::timeout, [this] { ReopenIfLost(); });
}

OpenAlSoundOutput::~OpenAlSoundOutput() {
    DeleteBuffers();
}

// The buffers belong to the device.
void OpenAlSoundOutput::DeleteBuffers() {
    device_->Unbind();
    for (Sound& sound : sounds_->byPath) {
        if (sound.buffer != 0) alDeleteBuffers(1, &sound.buffer);
        sound.buffer = 0;
    }
}

// Looked at when a sound is asked for and then by the timer: nothing runs while nothing plays.
void OpenAlSoundOutput::ReopenIfLost() {
    if (device_->Opening()) return;
    if (!device_->Lost()) {
        working_ = true;
        reopenWaitMs_ = kFirstReopenMs;
        return;
    }
    if (working_) qWarning("No sound: the audio device has gone");
    working_ = false;
    const qint64 sinceLast = sinceOpened_.elapsed();
    if (sinceLast < kFirstReopenMs) {
        if (!reopen_.isActive()) reopen_.start(static_cast<int>(kFirstReopenMs - sinceLast));
        return;
    }
    DeleteBuffers();
    // Closed before the next opens: a new device opening may take its time, and devices are
    // opened and closed one at a time.
    device_.reset();
    device_ = std::make_unique<OpenAlDevice>(false);
    sinceOpened_.start();
    reopen_.start(reopenWaitMs_);
    reopenWaitMs_ = std::min(2 * reopenWaitMs_, kLongestReopenMs);
}

void OpenAlSoundOutput::Sounds::Read() {
    for (auto it = byPath.begin(); it != byPath.end(); ++it) {
        const PcmSound pcm = PcmSoundOfFile(it.key());
        Sound& sound = it.value();
        sound.format = FormatOf(pcm);
        sound.sampleRate = pcm.sampleRate;
        sound.samples = pcm.samples;
        // The wait for its end is a timer's, which holds an int.
        sound.lengthMs = static_cast<int>(
            std::min<qint64>(pcm.LengthMs(), std::numeric_limits<int>::max() - kMixingMs));
    }
    read.store(true, std::memory_order_release);
}

OpenAlSoundOutput::Sound* OpenAlSoundOutput::SoundFor(const QString& fileName) {
    const auto found = sounds_->byPath.find(QDir::current().absoluteFilePath(fileName));
    return found != sounds_->byPath.end() ? &found.value() : nullptr;
}

void OpenAlSoundOutput::Play(const QString& fileName) {
    // Not waiting for the files: what is asked for before they are read is not heard.
    if (!SoundsRead()) return;
    ReopenIfLost();
    const unsigned source = device_->Source();
    if (source != 0) alSourceStop(source);
    Sound* sound = SoundFor(fileName);
    if (sound == nullptr || sound->format == AL_NONE) {
        RestWhenEnded();
        beep_();
        return;
    }
    if (source == 0) return;
    device_->Wake();
    if (sound->buffer == 0) {
        alGenBuffers(1, &sound->buffer);
        alBufferData(sound->buffer, sound->format, sound->samples.constData(),
                     static_cast<ALsizei>(sound->samples.size()), sound->sampleRate);
    }
    alSourcei(source, AL_BUFFER, static_cast<ALint>(sound->buffer));
    alSourcePlay(source);
    rest_.start(sound->lengthMs + kMixingMs);
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
