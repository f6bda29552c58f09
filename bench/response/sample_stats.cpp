#include "bench/response/sample_stats.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace tarsilo::bench {

namespace {

// Linear interpolation between the closest ranks.
double Quantile(const std::vector<double>& sorted, double q) {
    const double position = q * double(sorted.size() - 1);
    const auto below = static_cast<std::size_t>(std::floor(position));
    const std::size_t above = std::min(below + 1, sorted.size() - 1);
    return sorted[below] + (position - double(below)) * (sorted[above] - sorted[below]);
}

} // namespace

Summary Summarize(std::vector<double> samples) {
    Summary summary;
    if (samples.empty())
        return summary;
    std::sort(samples.begin(), samples.end());
    summary.count = samples.size();
    summary.median = Quantile(samples, 0.5);
    summary.p25 = Quantile(samples, 0.25);
    summary.p75 = Quantile(samples, 0.75);
    summary.p5 = Quantile(samples, 0.05);
    summary.p95 = Quantile(samples, 0.95);
    summary.min = samples.front();
    summary.max = samples.back();
    return summary;
}

std::string Describe(const Summary& summary, const char* unit) {
    char text[200];
    std::snprintf(text, sizeof text,
                  "median %8.2f %s (IQR %.2f-%.2f, 5-95 %% %.2f-%.2f, min %.2f, max %.2f, n %zu)",
                  summary.median, unit, summary.p25, summary.p75, summary.p5, summary.p95,
                  summary.min, summary.max, summary.count);
    return text;
}

} // namespace tarsilo::bench
