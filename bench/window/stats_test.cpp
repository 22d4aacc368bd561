#include "stats.h"

#include <gtest/gtest.h>

namespace zorvel::bench {
namespace {

std::vector<double> OneTo(int n) {
    std::vector<double> values;
    for (int i = n; i >= 1; --i) values.push_back(i);  // unsorted on purpose
    return values;
}

struct PercentileCase {
    const char* name;
    std::vector<double> sample;
    double percent;
    double expected;
};

// Cases print as their names in test listings.
void PrintTo(const PercentileCase& c, std::ostream* os) {
    *os << c.name;
}

class NearestRank : public ::testing::TestWithParam<PercentileCase> {};

TEST_P(NearestRank, PicksAValueOfTheSample) {
    const PercentileCase& c = GetParam();
    EXPECT_EQ(Percentile(c.sample, c.percent), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Samples, NearestRank,
    ::testing::Values(PercentileCase{"P99OfAHundred", OneTo(100), 99, 99},
                      PercentileCase{"P99OfTenIsTheLargest", OneTo(10), 99, 10},
                      PercentileCase{"P100IsTheLargest", OneTo(7), 100, 7},
                      PercentileCase{"MedianOfOdd", {3, 1, 2}, 50, 2},
                      PercentileCase{"MedianOfEvenIsTheLower", {4, 1, 3, 2}, 50, 2},
                      PercentileCase{"ZeroIsTheSmallest", {4, 1, 3, 2}, 0, 1},
                      PercentileCase{"SingleValue", {5}, 99, 5}),
    [](const ::testing::TestParamInfo<PercentileCase>& info) { return info.param.name; });

}  // namespace
}  // namespace zorvel::bench
