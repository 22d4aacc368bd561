#pragma once

#include <functional>

namespace zorvel::sound {

class SoundOutput;

// The entry point of the sound module: makes its output, which gives the default sound through
// `beep`. The caller owns the result.
using MakeSoundOutputFunction = SoundOutput* (*)(std::function<void()> beep);
inline constexpr char kMakeSoundOutputSymbol[] = "ZorvelMakeSoundOutput";

}  // namespace zorvel::sound
