#pragma once

#include <vector>

namespace zorvel::sound {

inline constexpr int kSampleRate = 44100;

// The wooden clack of a stone laid on the board or turned over, about 90 ms.
std::vector<float> WoodClick();

// A soft two-partial bell, about half a second, as the computer starts its move.
std::vector<float> Chime();

}  // namespace zorvel::sound
