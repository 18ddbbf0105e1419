#pragma once

#include <algorithm>
#include <cstdio>
#include <vector>

namespace bench {

// Median, 99th percentile and maximum of a sample, in the sample's unit.
struct Distribution {
    double median = 0;
    double p99 = 0;
    double max = 0;
};

inline Distribution Summarise(std::vector<double> sample) {
    if (sample.empty()) {
        return {};
    }
    std::sort(sample.begin(), sample.end());
    const auto at = [&](double share) {
        return sample[static_cast<std::size_t>(share * static_cast<double>(sample.size() - 1))];
    };
    return {at(0.5), at(0.99), sample.back()};
}

inline void PrintDistribution(const char* what, const Distribution& d, const char* unit) {
    std::printf("%-46s median %8.3f %s   p99 %8.3f %s   max %8.3f %s\n", what, d.median, unit,
                d.p99, unit, d.max, unit);
}

}  // namespace bench
