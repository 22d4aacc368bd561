#include "pulse_sound_output.h"

#include <QApplication>
#include <QDir>
#include <QFile>

#include "wave_header.h"

namespace zorvel::sound {
namespace {

constexpr char kName[] = "Zorblin Veltor";
// What the server holds ahead of what is heard: a click is heard within its stone's first frame.
constexpr pa_usec_t kLatencyUsec = 10'000;

// The server's format for plain PCM of one or two channels and 8 or 16 bits, else an invalid one.
pa_sample_spec SpecOf(const WaveSound& wave) {
    pa_sample_spec spec{PA_SAMPLE_INVALID, static_cast<std::uint32_t>(wave.sampleRate),
                        static_cast<std::uint8_t>(wave.channels)};
    if (wave.coding != 1 || wave.sampleRate <= 0 || wave.channels < 1 || wave.channels > 2)
        return spec;
    if (wave.bitsPerSample == 8) spec.format = PA_SAMPLE_U8;
    if (wave.bitsPerSample == 16) spec.format = PA_SAMPLE_S16LE;
    if (!pa_sample_spec_valid(&spec)) spec.format = PA_SAMPLE_INVALID;
    return spec;
}

QByteArray ReadSmallFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > PulseSoundOutput::kMaxFileBytes) return {};
    return file.readAll();
}

// Holds the server's thread off while the window's thread works on the streams.
class Locked {
  public:
    explicit Locked(pa_threaded_mainloop* loop) : loop_(loop) { pa_threaded_mainloop_lock(loop_); }
    ~Locked() { pa_threaded_mainloop_unlock(loop_); }
    Locked(const Locked&) = delete;
    Locked& operator=(const Locked&) = delete;

  private:
    pa_threaded_mainloop* loop_;
};

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
      loop_(pa_threaded_mainloop_new()) {
    for (const QString& fileName : {kStoneSound, kComputerSound}) SoundFor(fileName);
    pa_proplist* properties = pa_proplist_new();
    pa_proplist_sets(properties, PA_PROP_APPLICATION_NAME, kName);
    pa_proplist_sets(properties, PA_PROP_APPLICATION_ICON_NAME, "zorvel");
    context_ =
        pa_context_new_with_proplist(pa_threaded_mainloop_get_api(loop_), nullptr, properties);
    pa_proplist_free(properties);
    pa_context_set_state_callback(context_, &PulseSoundOutput::ContextChanged, this);
    // The server's answer comes on the server's thread, where a failure is told: nothing here
    // waits for it.
    pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr);
    pa_threaded_mainloop_start(loop_);
}

PulseSoundOutput::~PulseSoundOutput() {
    pa_threaded_mainloop_stop(loop_);
    for (auto& [path, sound] : sounds_) {
        Cancel(sound.drain);
        if (sound.stream == nullptr) continue;
        pa_stream_set_state_callback(sound.stream, nullptr, nullptr);
        pa_stream_disconnect(sound.stream);
        pa_stream_unref(sound.stream);
    }
    pa_context_set_state_callback(context_, nullptr, nullptr);
    pa_context_disconnect(context_);
    pa_context_unref(context_);
    pa_threaded_mainloop_free(loop_);
}

bool PulseSoundOutput::Preparing() const {
    Locked locked(loop_);
    const pa_context_state_t state = pa_context_get_state(context_);
    if (state == PA_CONTEXT_READY) {
        for (const auto& [path, sound] : sounds_) {
            if (sound.stream != nullptr && pa_stream_get_state(sound.stream) == PA_STREAM_CREATING)
                return true;
        }
        return false;
    }
    return PA_CONTEXT_IS_GOOD(state);
}

PulseSoundOutput::Sound& PulseSoundOutput::SoundFor(const QString& fileName) {
    const QString path = QDir::current().absoluteFilePath(fileName);
    if (auto found = sounds_.find(path); found != sounds_.end()) return found->second;
    Sound sound;
    sound.output = this;
    const QByteArray bytes = ReadSmallFile(path);
    if (const std::optional<WaveSound> wave = ReadWave(bytes)) {
        sound.spec = SpecOf(*wave);
        if (pa_sample_spec_valid(&sound.spec)) {
            const qsizetype frameBytes = static_cast<qsizetype>(pa_frame_size(&sound.spec));
            sound.samples =
                wave->samples.first(wave->samples.size() / frameBytes * frameBytes).toByteArray();
        }
        if (sound.samples.isEmpty()) sound.spec.format = PA_SAMPLE_INVALID;
    }
    return sounds_.emplace(path, std::move(sound)).first->second;
}

void PulseSoundOutput::Play(const QString& fileName) {
    {
        Locked locked(loop_);
        Sound& sound = SoundFor(fileName);
        for (auto& [path, other] : sounds_) Stop(other);
        if (pa_sample_spec_valid(&sound.spec)) {
            if (pa_context_get_state(context_) != PA_CONTEXT_READY) return;
            if (sound.stream == nullptr) OpenStream(sound);
            if (pa_stream_get_state(sound.stream) == PA_STREAM_READY)
                Start(sound);
            else
                sound.startWhenReady = true;
            return;
        }
    }
    beep_();
}

void PulseSoundOutput::OpenStream(Sound& sound) {
    pa_proplist* properties = pa_proplist_new();
    pa_proplist_sets(properties, PA_PROP_MEDIA_ROLE, "game");
    sound.stream = pa_stream_new_with_proplist(context_, kName, &sound.spec, nullptr, properties);
    pa_proplist_free(properties);
    pa_stream_set_state_callback(sound.stream, &PulseSoundOutput::StreamChanged, &sound);
    constexpr std::uint32_t kServersChoice = -1;
    const auto latency = static_cast<std::uint32_t>(pa_usec_to_bytes(kLatencyUsec, &sound.spec));
    const pa_buffer_attr buffer{kServersChoice, latency, kServersChoice, kServersChoice,
                                kServersChoice};
    // Without timing updates, which would wake the program while the stream rests.
    pa_stream_connect_playback(
        sound.stream, nullptr, &buffer,
        static_cast<pa_stream_flags_t>(PA_STREAM_START_CORKED | PA_STREAM_ADJUST_LATENCY), nullptr,
        nullptr);
}

void PulseSoundOutput::Start(Sound& sound) {
    sound.startWhenReady = false;
    pa_stream_write(sound.stream, sound.samples.constData(), sound.samples.size(), nullptr, 0,
                    PA_SEEK_RELATIVE);
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

void PulseSoundOutput::ContextChanged(pa_context* context, void* output) {
    auto& self = *static_cast<PulseSoundOutput*>(output);
    if (pa_context_get_state(context) == PA_CONTEXT_READY) {
        for (auto& [path, sound] : self.sounds_) {
            if (pa_sample_spec_valid(&sound.spec)) self.OpenStream(sound);
        }
    } else if (pa_context_get_state(context) == PA_CONTEXT_FAILED) {
        qWarning("No sound: %s", pa_strerror(pa_context_errno(context)));
    }
}

void PulseSoundOutput::StreamChanged(pa_stream* stream, void* sound) {
    auto& played = *static_cast<Sound*>(sound);
    if (pa_stream_get_state(stream) == PA_STREAM_READY && played.startWhenReady)
        played.output->Start(played);
}

void PulseSoundOutput::Drained(pa_stream* stream, int /*success*/, void* sound) {
    auto& played = *static_cast<Sound*>(sound);
    Forget(played.drain);
    played.drain = nullptr;
    Forget(pa_stream_cork(stream, 1, nullptr, nullptr));
}

}  // namespace zorvel::sound
