#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <span>
#include <vector>

#include "heard_sounds.h"
#include "sound_output.h"

namespace zorvel::test {

struct PatternStep {
    sound::Sound sound;
    unsigned thenMs;  // the wait before the next sound
};

// The game's rhythm: the opening's four stones, a move that turns one stone, the computer's chime
// and its second, its move, and a stone placed while the chime still sounds.
inline const PatternStep kGamePattern[] = {
    {sound::Sound::Stone, 500},     {sound::Sound::Stone, 500},  {sound::Sound::Stone, 500},
    {sound::Sound::Stone, 1000},    {sound::Sound::Stone, 500},  {sound::Sound::Stone, 500},
    {sound::Sound::Computer, 1000}, {sound::Sound::Stone, 500},  {sound::Sound::Stone, 500},
    {sound::Sound::Computer, 250},  {sound::Sound::Stone, 1000},
};

// What was heard of one step of the pattern: its pieces joined, from the onset of the first to the
// end of the last. A sound heard in more than one piece had a dropout inside it.
struct HeardStep {
    HeardSound sound;
    int pieces = 0;
    double delayMs = 0;   // from asking for the sound to its onset, within kOnsetResolutionMs
    double playedMs = 0;  // when its onset was heard, from the start of the recording
};

// Plays a pattern, by default the game's, through `play`, paced as the game paces its stones, while
// recording the sink monitor `monitor` (with parec); per step, what was heard of it, none where it
// was lost. Each sound heard belongs to the last one asked for before it was played; one heard
// before the first was asked for is told as heard early in the first step. The pattern starts
// once the recorder hears the sink and `ready`, when given, holds (or half a minute has passed).
// None at all when the recorder does not start or hears nothing.
std::optional<std::vector<std::optional<HeardStep>>> RecordPattern(
    const QString& monitor, const std::function<void(sound::Sound)>& play,
    std::span<const PatternStep> pattern = kGamePattern, const std::function<bool()>& ready = {});

}  // namespace zorvel::test
