#include "measuring_pacer.h"

#include <gtest/gtest.h>

namespace zorvel::bench {
namespace {

constexpr std::int64_t kMs = 1'000'000;

PauseRecord At(double startMs, unsigned ms, int run, double cpuShare = 0) {
    const std::int64_t wall = ms * kMs;
    return {ms,
            static_cast<std::int64_t>(startMs * kMs),
            {wall, static_cast<std::int64_t>(cpuShare * static_cast<double>(wall))},
            run};
}

// Two animations at 100 ms, then the computer's wait and its first frame in the second run.
const std::vector<PauseRecord> kRecords = {
    At(0, 100, 0),     At(101, 100, 0),        At(203, 100, 0),  At(500, 100, 1),
    At(600.5, 100, 1), At(700, 1000, 1, 0.25), At(1800, 100, 1),
};

struct FrameCase {
    const char* name;
    unsigned ms;
    std::vector<double> errors;
};

// Cases print as their names in test listings.
void PrintTo(const FrameCase& c, std::ostream* os) {
    *os << c.name;
}

class FrameErrors : public ::testing::TestWithParam<FrameCase> {};

TEST_P(FrameErrors, CountOnlyConsecutiveFramesOfOneRun) {
    const std::vector<double> errors = FrameErrorsMs(kRecords, GetParam().ms);
    ASSERT_EQ(errors.size(), GetParam().errors.size());
    for (std::size_t i = 0; i < errors.size(); ++i)
        EXPECT_NEAR(errors[i], GetParam().errors[i], 1e-9) << "interval " << i;
}

INSTANTIATE_TEST_SUITE_P(Lengths, FrameErrors,
                         ::testing::Values(FrameCase{"NormalSpeed", 100, {1, 2, 0.5}},
                                           FrameCase{"NoFramesOfThatLength", 50, {}},
                                           FrameCase{"ASingleWaitIsNoInterval", 1000, {}}),
                         [](const ::testing::TestParamInfo<FrameCase>& info) {
                             return info.param.name;
                         });

TEST(CpuShares, OnlyOfPausesOfTheGivenLength) {
    EXPECT_EQ(CpuShares(kRecords, 1000), std::vector<double>{0.25});
    EXPECT_EQ(CpuShares(kRecords, 100).size(), 6u);
}

class Instant final : public ui::Pacer {
  public:
    void Pause(unsigned ms) override { asked.push_back(ms); }
    std::vector<unsigned> asked;
};

TEST(MeasuringPacer, PassesEveryPauseOnAndNumbersTheRuns) {
    auto inner = std::make_unique<Instant>();
    const Instant& instant = *inner;
    MeasuringPacer pacer(std::move(inner));
    pacer.Pause(100);
    pacer.Pause(100);
    pacer.BreakRun();
    pacer.Pause(1000);
    EXPECT_EQ(instant.asked, (std::vector<unsigned>{100, 100, 1000}));
    ASSERT_EQ(pacer.Records().size(), 3u);
    EXPECT_EQ(pacer.Records()[1].run, 0);
    EXPECT_EQ(pacer.Records()[2].run, 1);
    EXPECT_EQ(pacer.Records()[2].ms, 1000u);
    EXPECT_LE(pacer.Records()[0].startNs, pacer.Records()[1].startNs);
}

}  // namespace
}  // namespace zorvel::bench
