#pragma once

#include <functional>

namespace zorvel::ui {

class SoundOutput;

// The entry point of the sound module: makes its output, which gives the default sound through
// `beep` (the desktop's when empty). The caller owns the result.
using MakeSoundOutputFunction = SoundOutput* (*)(std::function<void()> beep);
inline constexpr char kMakeSoundOutputSymbol[] = "ZorvelMakeSoundOutput";
inline constexpr char kSoundModuleFile[] = "libzorvel_sound.so";

}  // namespace zorvel::ui
