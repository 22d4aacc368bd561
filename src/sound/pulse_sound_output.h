#pragma once

#include <pulse/pulseaudio.h>

#include <QByteArray>
#include <array>
#include <atomic>
#include <functional>

#include "pulse_server.h"
#include "sound_output.h"

namespace zorvel::sound {

// Plays through a sound server that speaks PulseAudio's protocol: PulseAudio, or PipeWire's
// service for it. Each of the two sounds has a stream of its own, given the whole sound when it is
// played and corked once the server has played it: at rest no stream runs, and nothing wakes the
// program. A new sound flushes the one still playing. A file that is missing, empty, cut short,
// larger than kMaxSoundFileBytes or not plain PCM gives the default sound instead. While the
// server is being reached, or once it has gone, sounds are dropped, never played late, and nothing
// waits; the server is reached again as soon as it is back.
class PulseSoundOutput final : public SoundOutput {
  public:
    // `beep` gives the default sound. The two sounds, of the current directory, are read at once
    // on the server's thread, before it first reaches the server: a file never holds the caller
    // up, and the streams are ready before the first sound.
    explicit PulseSoundOutput(std::function<void()> beep);
    ~PulseSoundOutput() override;
    PulseSoundOutput(const PulseSoundOutput&) = delete;
    PulseSoundOutput& operator=(const PulseSoundOutput&) = delete;

    void Play(Sound sound) override;
    // Until the sounds are read, the server has answered and the streams are open.
    bool Preparing() const override;
    bool SoundsRead() const override { return read_.load(std::memory_order_acquire); }

  private:
    struct Slot {
        PulseSoundOutput* output = nullptr;
        pa_sample_spec format{};  // invalid when the file cannot be played
        QByteArray samples;       // whole frames
        pa_stream* stream = nullptr;
        pa_operation* drain = nullptr;  // until the server has played the sound
        bool startWhenReady = false;
    };

    // On the server's thread, before anything else.
    void ReadSounds(const QString& folder);
    // The rest run with the server's thread held off, or on it.
    void OpenStreams(pa_context* context);
    void CloseStreams();
    void Start(Slot& slot);
    void Stop(Slot& slot);
    static void StreamChanged(pa_stream* stream, void* slot);
    static void Drained(pa_stream* stream, int success, void* slot);

    std::function<void()> beep_;
    std::array<Slot, 2> slots_;       // by Sound
    std::atomic<bool> read_ = false;  // whether the slots hold what their files do
    PulseServer server_;
};

}  // namespace zorvel::sound
