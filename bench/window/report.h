#pragma once

// The window figures as one table: each figure with its unit, its target where it has one, and
// how many measurements it summarises.
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace zorvel::bench {

struct Figure {
    std::string name;
    double value;
    std::string unit;
    std::optional<double> below;  // the target: the value must stay under it
    std::size_t samples;
};

inline void PrintFigures(const std::vector<Figure>& figures) {
    std::printf("%-46s %10s %-4s %10s %5s  %s\n", "figure", "value", "", "target", "n", "");
    for (const Figure& f : figures) {
        char target[32] = "";
        if (f.below) std::snprintf(target, sizeof target, "< %g", *f.below);
        const char* verdict = !f.below ? "" : f.value < *f.below ? "ok" : "MISSED";
        std::printf("%-46s %10.3f %-4s %10s %5zu  %s\n", f.name.c_str(), f.value, f.unit.c_str(),
                    target, f.samples, verdict);
    }
}

}  // namespace zorvel::bench
