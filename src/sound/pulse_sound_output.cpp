#include "pulse_sound_output.h"

#include <QApplication>
#include <QDir>

#include "wave_file.h"

namespace zorvel::sound {
namespace {

// What the server holds ahead of what is heard: a click is heard within its stone's first frame.
constexpr pa_usec_t kLatencyUsec = 10'000;

// The server's format for the sound; an invalid one when the file cannot be played (no channels)
// or the server does not take its rate.
pa_sample_spec FormatOf(const PcmSound& sound) {
    pa_sample_spec format{sound.bitsPerSample == 8 ? PA_SAMPLE_U8 : PA_SAMPLE_S16LE,
                          static_cast<std::uint32_t>(sound.sampleRate),
                          static_cast<std::uint8_t>(sound.channels)};
    if (!pa_sample_spec_valid(&format)) format.format = PA_SAMPLE_INVALID;
    return format;
}

// Operations whose end nobody waits for.
void Forget(pa_operation* operation) {
    if (operation != nullptr) pa_operation_unref(operation);
}

void Cancel(pa_operation*& operation) {
    if (operation == nullptr) return;
    pa_operation_cancel(operation);
    pa_operation_unref(operation);
    operation = nullptr;
}

}  // namespace

PulseSoundOutput::PulseSoundOutput(std::function<void()> beep)
    : beep_(beep ? std::move(beep) : [] { QApplication::beep(); }),
      server_([this](pa_context* context) { OpenStreams(context); }, [this] { CloseStreams(); }) {
    for (const QString& fileName : {kStoneSound, kComputerSound})
        sounds_[QDir::current().absoluteFilePath(fileName)].output = this;
    server_.Start([this] { ReadSounds(); });
}

PulseSoundOutput::~PulseSoundOutput() {
    const PulseServer::Locked locked(server_);
    CloseStreams();
}

bool PulseSoundOutput::Preparing() const {
    if (!SoundsRead()) return true;
    const PulseServer::Locked locked(server_);
    if (server_.Ready() == nullptr) return true;
    return std::any_of(sounds_.begin(), sounds_.end(), [](const auto& entry) {
        const pa_stream* stream = entry.second.stream;
        return stream != nullptr && pa_stream_get_state(stream) == PA_STREAM_CREATING;
    });
}

void PulseSoundOutput::ReadSounds() {
    for (auto& [path, sound] : sounds_) {
        const PcmSound pcm = PcmSoundOfFile(path);
        sound.format = FormatOf(pcm);
        if (pa_sample_spec_valid(&sound.format)) sound.samples = pcm.samples;
    }
    read_.store(true, std::memory_order_release);
}

PulseSoundOutput::Sound* PulseSoundOutput::SoundFor(const QString& fileName) {
    const auto found = sounds_.find(QDir::current().absoluteFilePath(fileName));
    return found != sounds_.end() ? &found->second : nullptr;
}

void PulseSoundOutput::Play(const QString& fileName) {
    // Not waiting for the files: what is asked for before they are read is not heard.
    if (!SoundsRead()) return;
    {
        const PulseServer::Locked locked(server_);
        Sound* sound = SoundFor(fileName);
        for (auto& [path, other] : sounds_) Stop(other);
        if (sound != nullptr && pa_sample_spec_valid(&sound->format)) {
            pa_context* context = server_.Ready();
            if (context == nullptr) {
                server_.TrySoon();
                return;
            }
            if (sound->stream == nullptr) OpenStream(*sound, context);
            if (pa_stream_get_state(sound->stream) == PA_STREAM_READY)
                Start(*sound);
            else
                sound->startWhenReady = true;
            return;
        }
    }
    beep_();
}

void PulseSoundOutput::OpenStreams(pa_context* context) {
    for (auto& [path, sound] : sounds_) {
        if (pa_sample_spec_valid(&sound.format)) OpenStream(sound, context);
    }
}

void PulseSoundOutput::OpenStream(Sound& sound, pa_context* context) {
    pa_proplist* properties = pa_proplist_new();
    pa_proplist_sets(properties, PA_PROP_MEDIA_ROLE, "game");
    sound.stream =
        pa_stream_new_with_proplist(context, "Zorblin Veltor", &sound.format, nullptr, properties);
    pa_proplist_free(properties);
    pa_stream_set_state_callback(sound.stream, &PulseSoundOutput::StreamChanged, &sound);
    constexpr std::uint32_t kServersChoice = -1;
    const auto latency = static_cast<std::uint32_t>(pa_usec_to_bytes(kLatencyUsec, &sound.format));
    const pa_buffer_attr buffer{kServersChoice, latency, kServersChoice, kServersChoice,
                                kServersChoice};
    // Without timing updates, which would wake the program while the stream rests.
    pa_stream_connect_playback(
        sound.stream, nullptr, &buffer,
        static_cast<pa_stream_flags_t>(PA_STREAM_START_CORKED | PA_STREAM_ADJUST_LATENCY), nullptr,
        nullptr);
}

// The streams go with their connection.
void PulseSoundOutput::CloseStreams() {
    for (auto& [path, sound] : sounds_) {
        Cancel(sound.drain);
        sound.startWhenReady = false;
        if (sound.stream == nullptr) continue;
        pa_stream_set_state_callback(sound.stream, nullptr, nullptr);
        pa_stream_disconnect(sound.stream);
        pa_stream_unref(sound.stream);
        sound.stream = nullptr;
    }
}

void PulseSoundOutput::Start(Sound& sound) {
    sound.startWhenReady = false;
    if (pa_stream_write(sound.stream, sound.samples.constData(), sound.samples.size(), nullptr, 0,
                        PA_SEEK_RELATIVE) < 0) {
        server_.Drop();
        return;
    }
    Forget(pa_stream_cork(sound.stream, 0, nullptr, nullptr));
    sound.drain = pa_stream_drain(sound.stream, &PulseSoundOutput::Drained, &sound);
}

// Cuts a sound off where it is, and lets its stream rest.
void PulseSoundOutput::Stop(Sound& sound) {
    sound.startWhenReady = false;
    if (sound.drain == nullptr) return;
    Cancel(sound.drain);
    Forget(pa_stream_flush(sound.stream, nullptr, nullptr));
    Forget(pa_stream_cork(sound.stream, 1, nullptr, nullptr));
}

void PulseSoundOutput::StreamChanged(pa_stream* stream, void* sound) {
    auto& played = *static_cast<Sound*>(sound);
    switch (pa_stream_get_state(stream)) {
        case PA_STREAM_READY:
            if (played.startWhenReady) played.output->Start(played);
            break;
        case PA_STREAM_FAILED:
            // The server refused the stream, or dropped it, while the connection held.
            played.output->server_.Drop();
            break;
        default:
            break;
    }
}

void PulseSoundOutput::Drained(pa_stream* stream, int /*success*/, void* sound) {
    auto& played = *static_cast<Sound*>(sound);
    Forget(played.drain);
    played.drain = nullptr;
    Forget(pa_stream_cork(stream, 1, nullptr, nullptr));
}

}  // namespace zorvel::sound
