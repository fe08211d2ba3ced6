#pragma once

// Median, quartiles, range and coefficient of variation of a set of timings or ratios, as
// the Windows benchmarks print them.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <numeric>
#include <vector>

namespace bench {

struct Summary {
    double median, lowerQuartile, upperQuartile, min, max, cv;
};

// Quantiles by linear interpolation between the sorted values.
inline double quantile(const std::vector<double>& sorted, double q) {
    const double at = q * static_cast<double>(sorted.size() - 1);
    const auto below = static_cast<std::size_t>(at);
    const std::size_t above = std::min(below + 1, sorted.size() - 1);
    return sorted[below] + (sorted[above] - sorted[below]) * (at - static_cast<double>(below));
}

inline Summary summarise(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const auto n = static_cast<double>(values.size());
    const double mean = std::accumulate(values.begin(), values.end(), 0.0) / n;
    double squares = 0;
    for (double v : values) squares += (v - mean) * (v - mean);
    const double deviation = values.size() > 1 ? std::sqrt(squares / (n - 1)) : 0;
    return {quantile(values, 0.5), quantile(values, 0.25), quantile(values, 0.75),
            values.front(),        values.back(),          deviation / mean};
}

}  // namespace bench
