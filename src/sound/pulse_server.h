#pragma once

#include <pulse/pulseaudio.h>

#include <functional>

namespace zorvel::sound {

// The connection to a sound server that speaks PulseAudio's protocol, kept on a thread of its own
// and made again when the server goes away: once a second at first, then less and less often
// until a server answers, so that a missing server does not keep the program awake, and at once
// when a sound wants it, though never sooner than a second after the last try. Each loss is told
// once. Nothing here waits for the server.
class PulseServer {
  public:
    // `connected` runs on the server's thread with every new connection, `lost` when it is gone;
    // the streams of a lost connection are gone with it.
    PulseServer(std::function<void(pa_context*)> connected, std::function<void()> lost);
    ~PulseServer();
    PulseServer(const PulseServer&) = delete;
    PulseServer& operator=(const PulseServer&) = delete;

    // Starts the server's thread, which runs `first` and then makes the first connection.
    void Start(std::function<void()> first);

    // Held, it keeps the server's thread off while another thread works on the connection and
    // its streams.
    void lock() const { pa_threaded_mainloop_lock(loop_); }
    void unlock() const { pa_threaded_mainloop_unlock(loop_); }

    // The rest with the server's thread held off, or on it.
    // The connection, once the server has answered; none (null) while there is none.
    pa_context* Ready() const;
    // A sound wants the server: try again now, unless a try is under way or was made in the last
    // second.
    void TrySoon();
    // A sound could not be started on a connection that seemed sound: make a new one.
    void Drop();

  private:
    void Connect();
    void Lose();
    void RetryIn(pa_usec_t delay);
    static void StateChanged(pa_context* context, void* server);

    std::function<void(pa_context*)> connected_;
    std::function<void()> lost_;
    std::function<void()> first_;
    pa_threaded_mainloop* loop_;
    pa_mainloop_api* api_;
    pa_context* context_ = nullptr;
    pa_time_event* retry_ = nullptr;
    // On the monotonic clock: when the last try was made and when the next is due.
    pa_usec_t lastTry_ = 0;
    pa_usec_t retryAt_ = 0;
    pa_usec_t backOff_;  // before the next try after a failed one
    bool lossTold_ = false;
};

}  // namespace zorvel::sound
