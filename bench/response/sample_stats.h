#pragma once
// Medians and spreads of timing samples.

#include <string>
#include <vector>

namespace tarsilo::bench {

struct Summary {
    std::size_t count = 0;
    double median = 0;
    double p25 = 0, p75 = 0; // the interquartile range
    double p5 = 0, p95 = 0;
    double min = 0, max = 0;
};

Summary Summarize(std::vector<double> samples);

// "median 45.2 (IQR 44.0–47.1, 5–95 % 43.1–60.0, n 2000)" in `unit`.
std::string Describe(const Summary& summary, const char* unit);

} // namespace tarsilo::bench
