#pragma once

#include <QString>
#include <functional>

namespace zorvel::sound {

class SoundOutput;

// The entry point of the sound module: makes its output, which gives the default sound through
// `beep` (the desktop's when empty) and reads its settings from `folder`, the module's own. The
// caller owns the result.
using MakeSoundOutputFunction = SoundOutput* (*)(std::function<void()> beep, const QString& folder);
inline constexpr char kMakeSoundOutputSymbol[] = "ZorvelMakeSoundOutput";
inline constexpr char kSoundModuleFile[] = "libzorvel_sound.so";

}  // namespace zorvel::sound
