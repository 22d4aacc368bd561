#pragma once

#include <optional>
#include <string>
#include <vector>

namespace zorvel::test {

// A mono recording or sound file, its samples scaled to -1..1.
struct Recording {
    int rate = 0;
    std::vector<float> samples;
};

// How finely FindSounds tells an onset: a sound begins within this much after the onset it gives.
inline constexpr double kOnsetResolutionMs = 5.0;

// One sound heard in a recording, in milliseconds from its start: from its onset to the last moment
// it was still within 40 dB of its own peak, or to the onset of the sound that cut it off.
struct HeardSound {
    double onsetMs = 0;
    double endMs = 0;
    bool cutByNext = false;
    double LengthMs() const { return endMs - onsetMs; }
};

// Reads a 16-bit PCM wave file of one channel; none for anything else.
std::optional<Recording> ReadMonoWave(const std::string& path);

// The sounds in a recording, in order. A sound begins where the level rises out of silence, or
// jumps well above the sound still playing.
std::vector<HeardSound> FindSounds(const Recording& recording);

// The sound a wave file of one channel holds, as FindSounds hears it: its first; an empty one for
// a file that is unreadable or silent.
HeardSound SoundOfFile(const std::string& path);

// Whether `heard` is the whole of `reference`: as long, but for what a sound server's resampling
// and fading takes off its ends.
bool IsWhole(const HeardSound& heard, const HeardSound& reference);

// Whether `heard` is more than one of `reference`: half as long again or longer. One copy heard
// may be a little longer than its file, as servers' resamplers leave tails of differing length.
bool IsMoreThanOne(const HeardSound& heard, const HeardSound& reference);

}  // namespace zorvel::test
