#pragma once

#include <string>
#include <vector>

namespace zorvel::sound {

// Writes the samples (full scale is -1 to 1; beyond is clipped) as a mono 16-bit PCM wave file.
// Returns false when the file cannot be written.
bool WriteWav(const std::string& path, const std::vector<float>& samples, int sampleRate);

}  // namespace zorvel::sound
