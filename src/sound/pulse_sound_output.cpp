#include "pulse_sound_output.h"

#include <QDir>
#include <algorithm>
#include <mutex>

#include "program_identity.h"
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
    : beep_(std::move(beep)),
      server_([this](pa_context* context) { OpenStreams(context); }, [this] { CloseStreams(); }) {
    for (Slot& slot : slots_) slot.output = this;
    server_.Start([this, folder = QDir::currentPath()] { ReadSounds(folder); });
}

PulseSoundOutput::~PulseSoundOutput() {
    const std::scoped_lock locked(server_);
    CloseStreams();
}

bool PulseSoundOutput::Preparing() const {
    if (!SoundsRead()) return true;
    const std::scoped_lock locked(server_);
    return server_.Ready() == nullptr || std::any_of(slots_.begin(), slots_.end(), [](auto& slot) {
               return slot.stream != nullptr &&
                      pa_stream_get_state(slot.stream) == PA_STREAM_CREATING;
           });
}

void PulseSoundOutput::ReadSounds(const QString& folder) {
    for (const Sound sound : {Sound::Stone, Sound::Computer}) {
        Slot& slot = slots_[static_cast<std::size_t>(sound)];
        const PcmSound pcm = PcmSoundOfFile(QDir(folder).filePath(FileOf(sound)));
        slot.format = FormatOf(pcm);
        if (pa_sample_spec_valid(&slot.format)) slot.samples = pcm.samples;
    }
    read_.store(true, std::memory_order_release);
}

void PulseSoundOutput::Play(Sound sound) {
    // Not waiting for the files: what is asked for before they are read is not heard.
    if (!SoundsRead()) return;
    {
        const std::scoped_lock locked(server_);
        for (Slot& other : slots_) Stop(other);
        Slot& slot = slots_[static_cast<std::size_t>(sound)];
        if (pa_sample_spec_valid(&slot.format)) {
            if (server_.Ready() == nullptr)
                server_.TrySoon();
            else if (pa_stream_get_state(slot.stream) == PA_STREAM_READY)
                Start(slot);
            else
                slot.startWhenReady = true;
            return;
        }
    }
    beep_();
}

// Every sound that can be played gets its stream as soon as the server answers.
void PulseSoundOutput::OpenStreams(pa_context* context) {
    constexpr std::uint32_t kServersChoice = -1;
    for (Slot& slot : slots_) {
        if (!pa_sample_spec_valid(&slot.format)) continue;
        pa_proplist* properties = pa_proplist_new();
        pa_proplist_sets(properties, PA_PROP_MEDIA_ROLE, "game");
        slot.stream = pa_stream_new_with_proplist(context, common::kProgramName, &slot.format,
                                                  nullptr, properties);
        pa_proplist_free(properties);
        pa_stream_set_state_callback(slot.stream, &PulseSoundOutput::StreamChanged, &slot);
        const auto latency =
            static_cast<std::uint32_t>(pa_usec_to_bytes(kLatencyUsec, &slot.format));
        const pa_buffer_attr buffer{kServersChoice, latency, kServersChoice, kServersChoice,
                                    kServersChoice};
        // Without timing updates, which would wake the program while the stream rests.
        pa_stream_connect_playback(
            slot.stream, nullptr, &buffer,
            static_cast<pa_stream_flags_t>(PA_STREAM_START_CORKED | PA_STREAM_ADJUST_LATENCY),
            nullptr, nullptr);
    }
}

// The streams go with their connection.
void PulseSoundOutput::CloseStreams() {
    for (Slot& slot : slots_) {
        Cancel(slot.drain);
        slot.startWhenReady = false;
        if (slot.stream == nullptr) continue;
        pa_stream_set_state_callback(slot.stream, nullptr, nullptr);
        pa_stream_disconnect(slot.stream);
        pa_stream_unref(slot.stream);
        slot.stream = nullptr;
    }
}

void PulseSoundOutput::Start(Slot& slot) {
    slot.startWhenReady = false;
    if (pa_stream_write(slot.stream, slot.samples.constData(), slot.samples.size(), nullptr, 0,
                        PA_SEEK_RELATIVE) < 0) {
        server_.Drop();
        return;
    }
    Forget(pa_stream_cork(slot.stream, 0, nullptr, nullptr));
    slot.drain = pa_stream_drain(slot.stream, &PulseSoundOutput::Drained, &slot);
}

// Cuts a sound off where it is, and lets its stream rest.
void PulseSoundOutput::Stop(Slot& slot) {
    slot.startWhenReady = false;
    if (slot.drain == nullptr) return;
    Cancel(slot.drain);
    Forget(pa_stream_flush(slot.stream, nullptr, nullptr));
    Forget(pa_stream_cork(slot.stream, 1, nullptr, nullptr));
}

void PulseSoundOutput::StreamChanged(pa_stream* stream, void* slot) {
    auto& played = *static_cast<Slot*>(slot);
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

void PulseSoundOutput::Drained(pa_stream* stream, int /*success*/, void* slot) {
    auto& played = *static_cast<Slot*>(slot);
    Forget(played.drain);
    played.drain = nullptr;
    Forget(pa_stream_cork(stream, 1, nullptr, nullptr));
}

}  // namespace zorvel::sound
