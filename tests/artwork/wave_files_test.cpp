// The two sounds as the game plays them: well-formed wave files of the right length and level.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

struct WaveCase {
    const char* name;
    double shortest;  // seconds
    double longest;
};

void PrintTo(const WaveCase& wave, std::ostream* out) {
    *out << wave.name;
}

std::vector<std::uint8_t> ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::uint32_t Le(const std::vector<std::uint8_t>& bytes, std::size_t at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) {
        value = (value << 8) | bytes.at(at + static_cast<std::size_t>(i));
    }
    return value;
}

std::string Tag(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    return std::string(bytes.begin() + static_cast<std::ptrdiff_t>(at),
                       bytes.begin() + static_cast<std::ptrdiff_t>(at + 4));
}

struct Chunk {
    std::size_t start = 0;  // of the chunk's contents
    std::uint32_t size = 0;
};

// Walks the chunks after "WAVE" and finds the one with the tag; its size must fit the file.
Chunk FindChunk(const std::vector<std::uint8_t>& bytes, const std::string& tag) {
    std::size_t at = 12;
    while (at + 8 <= bytes.size()) {
        const Chunk chunk{at + 8, Le(bytes, at + 4, 4)};
        EXPECT_LE(chunk.start + chunk.size, bytes.size()) << tag;
        if (Tag(bytes, at) == tag) {
            return chunk;
        }
        at = chunk.start + chunk.size + (chunk.size % 2);
    }
    ADD_FAILURE() << "no " << tag << " chunk";
    return {};
}

class WaveFileTest : public ::testing::TestWithParam<WaveCase> {
  protected:
    void SetUp() override {
        bytes_ = ReadFile(std::string(ZORVEL_RUNTIME_DIR "/") + GetParam().name);
        ASSERT_GE(bytes_.size(), 44u) << GetParam().name;
    }

    std::vector<std::int16_t> Samples() const {
        const Chunk data = FindChunk(bytes_, "data");
        std::vector<std::int16_t> samples;
        for (std::size_t at = data.start; at + 1 < data.start + data.size; at += 2) {
            samples.push_back(static_cast<std::int16_t>(Le(bytes_, at, 2)));
        }
        return samples;
    }

    std::vector<std::uint8_t> bytes_;
};

TEST_P(WaveFileTest, HeaderIsRiffWaveWithConsistentSizes) {
    EXPECT_EQ(Tag(bytes_, 0), "RIFF");
    EXPECT_EQ(Le(bytes_, 4, 4), bytes_.size() - 8);
    EXPECT_EQ(Tag(bytes_, 8), "WAVE");
    const Chunk data = FindChunk(bytes_, "data");
    EXPECT_EQ(data.size % 2, 0u);
    EXPECT_GT(data.size, 0u);
}

TEST_P(WaveFileTest, FormatIs16BitMonoPcm) {
    const Chunk format = FindChunk(bytes_, "fmt ");
    ASSERT_GE(format.size, 16u);
    const std::uint32_t rate = Le(bytes_, format.start + 4, 4);
    EXPECT_EQ(Le(bytes_, format.start, 2), 1u);      // PCM
    EXPECT_EQ(Le(bytes_, format.start + 2, 2), 1u);  // mono
    EXPECT_TRUE(rate == 22050 || rate == 44100) << rate;
    EXPECT_EQ(Le(bytes_, format.start + 8, 4), rate * 2);  // bytes per second
    EXPECT_EQ(Le(bytes_, format.start + 12, 2), 2u);       // bytes per frame
    EXPECT_EQ(Le(bytes_, format.start + 14, 2), 16u);      // bits per sample
}

TEST_P(WaveFileTest, LastsAsLongAsItsEvent) {
    const Chunk format = FindChunk(bytes_, "fmt ");
    const double rate = Le(bytes_, format.start + 4, 4);
    const double seconds = static_cast<double>(Samples().size()) / rate;
    EXPECT_GE(seconds, GetParam().shortest);
    EXPECT_LE(seconds, GetParam().longest);
}

TEST_P(WaveFileTest, IsClearlyAudibleAndNeverClips) {
    const std::vector<std::int16_t> samples = Samples();
    int peak = 0;
    for (std::int16_t sample : samples) {
        peak = std::max(peak, std::abs(static_cast<int>(sample)));
    }
    EXPECT_LT(peak, 32767 * 95 / 100);
    EXPECT_GT(peak, 32767 / 4);
}

TEST_P(WaveFileTest, EndsInSilenceWithoutAClick) {
    const std::vector<std::int16_t> samples = Samples();
    ASSERT_FALSE(samples.empty());
    EXPECT_LE(std::abs(static_cast<int>(samples.back())), 32767 / 100);
}

INSTANTIATE_TEST_SUITE_P(Sounds, WaveFileTest,
                         ::testing::Values(WaveCase{"ZorTurn0.wav", 0.06, 0.12},
                                           WaveCase{"ZorTurn1.wav", 0.3, 0.6}),
                         [](const auto& info) {
                             return std::string(info.param.name).substr(0, 8);
                         });

}  // namespace
