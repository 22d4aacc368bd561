#include "pulse_server.h"

#include <pulse/rtclock.h>

#include <QtGlobal>
#include <algorithm>
#include <utility>

#include "program_identity.h"

namespace zorvel::sound {
namespace {

constexpr pa_usec_t kSecond = PA_USEC_PER_SEC;
constexpr pa_usec_t kLongestWait = 64 * kSecond;

// The time `delay` from now, as the server's thread counts time for its timers.
timeval In(pa_usec_t delay) {
    timeval when{};
    pa_gettimeofday(&when);
    return *pa_timeval_add(&when, delay);
}

}  // namespace

PulseServer::PulseServer(std::function<void(pa_context*)> connected, std::function<void()> lost)
    : connected_(std::move(connected)),
      lost_(std::move(lost)),
      loop_(pa_threaded_mainloop_new()),
      api_(pa_threaded_mainloop_get_api(loop_)),
      backOff_(kSecond) {
    retry_ = api_->time_new(
        api_, nullptr,
        [](pa_mainloop_api*, pa_time_event*, const timeval*, void* server) {
            auto& self = *static_cast<PulseServer*>(server);
            if (self.first_) std::exchange(self.first_, nullptr)();
            self.Connect();
        },
        this);
}

// Even the first connection is made on the server's thread: making one reads settings that may
// take a while.
void PulseServer::Start(std::function<void()> first) {
    first_ = std::move(first);
    RetryIn(0);
    pa_threaded_mainloop_start(loop_);
}

PulseServer::~PulseServer() {
    pa_threaded_mainloop_stop(loop_);
    if (context_ != nullptr) {
        pa_context_set_state_callback(context_, nullptr, nullptr);
        pa_context_disconnect(context_);
        pa_context_unref(context_);
    }
    api_->time_free(retry_);
    pa_threaded_mainloop_free(loop_);
}

pa_context* PulseServer::Ready() const {
    return context_ != nullptr && pa_context_get_state(context_) == PA_CONTEXT_READY ? context_
                                                                                     : nullptr;
}

void PulseServer::Connect() {
    lastTry_ = pa_rtclock_now();
    pa_proplist* properties = pa_proplist_new();
    pa_proplist_sets(properties, PA_PROP_APPLICATION_NAME, common::kProgramName);
    pa_proplist_sets(properties, PA_PROP_APPLICATION_ICON_NAME, "zorvel");
    context_ = pa_context_new_with_proplist(api_, nullptr, properties);
    pa_proplist_free(properties);
    pa_context_set_state_callback(context_, &PulseServer::StateChanged, this);
    // A failure, even at once, comes through the state callback.
    pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr);
}

void PulseServer::StateChanged(pa_context* context, void* server) {
    auto& self = *static_cast<PulseServer*>(server);
    switch (pa_context_get_state(context)) {
        case PA_CONTEXT_READY:
            self.backOff_ = kSecond;
            self.lossTold_ = false;
            self.connected_(context);
            break;
        case PA_CONTEXT_FAILED:
        case PA_CONTEXT_TERMINATED:
            self.Lose();
            break;
        default:
            break;
    }
}

void PulseServer::Lose() {
    if (!lossTold_) qWarning("No sound: %s", pa_strerror(pa_context_errno(context_)));
    lossTold_ = true;
    // The library holds the context while it reports its state.
    pa_context_set_state_callback(context_, nullptr, nullptr);
    pa_context_unref(context_);
    context_ = nullptr;
    lost_();
    RetryIn(backOff_);
    backOff_ = std::min(2 * backOff_, kLongestWait);
}

void PulseServer::RetryIn(pa_usec_t delay) {
    const timeval when = In(delay);
    api_->time_restart(retry_, &when);
    retryAt_ = pa_rtclock_now() + delay;
}

void PulseServer::TrySoon() {
    if (context_ != nullptr) return;
    const pa_usec_t now = pa_rtclock_now();
    const pa_usec_t soonest = std::max(lastTry_ + kSecond, now);
    if (soonest < retryAt_ || retryAt_ < now) RetryIn(soonest - now);
}

void PulseServer::Drop() {
    // Later on the server's thread: the caller may be in the middle of its streams.
    pa_mainloop_api_once(
        api_,
        [](pa_mainloop_api*, void* server) {
            auto& self = *static_cast<PulseServer*>(server);
            if (self.Ready() != nullptr) pa_context_disconnect(self.context_);
        },
        this);
}

}  // namespace zorvel::sound
