#pragma once

// Median, quartiles, range and coefficient of variation of a set of timings or ratios, as
// the Windows benchmarks print them.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdio>
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

// Times of a and b (each a callable giving the seconds one run of it took) in pairs of
// rounds, the one going first changing from round to round, so that whatever drifts on the
// machine over a pair weighs on both alike: each pair's sums and their ratio a/b.
struct Paired {
    std::vector<double> a, b, ratios;
};
template <class A, class B>
Paired paired(int pairs, int rounds, A&& a, B&& b) {
    Paired times;
    for (int pair = 0; pair < pairs; ++pair) {
        double sumA = 0, sumB = 0;
        for (int round = 0; round < rounds; ++round) {
            if (round % 2 == 0) {
                sumA += a();
                sumB += b();
            } else {
                sumB += b();
                sumA += a();
            }
        }
        times.a.push_back(sumA);
        times.b.push_back(sumB);
        times.ratios.push_back(sumA / sumB);
    }
    return times;
}

// The pairs' ratios of program to baseline: their median and spread, and the medians of
// five stretches of consecutive pairs, whose spread says how far the median moves from one
// stretch of the run to the next; and the target, if there is one.
inline void printRatios(const std::vector<double>& ratios, double target = 0) {
    constexpr std::size_t kBlocks = 5;
    const Summary r = summarise(ratios);
    std::printf("  ratio within pairs: median %.3f, middle half %.3f-%.3f, range %.3f-%.3f, CV %.1f%% (%zu pairs)\n",
                r.median, r.lowerQuartile, r.upperQuartile, r.min, r.max, 100 * r.cv, ratios.size());
    const std::size_t size = ratios.size() / kBlocks;
    if (size < 2) return;
    std::vector<double> medians;
    for (std::size_t block = 0; block < kBlocks; ++block) {
        const auto first = ratios.begin() + static_cast<std::ptrdiff_t>(block * size);
        medians.push_back(summarise({first, first + static_cast<std::ptrdiff_t>(size)}).median);
    }
    const Summary m = summarise(medians);
    std::printf("  medians of %zu stretches of %zu pairs: %.3f-%.3f, CV %.1f%%", kBlocks, size, m.min, m.max, 100 * m.cv);
    if (target > 0) std::printf("; target <= %.2f", target);
    std::printf("\n");
}

}  // namespace bench
