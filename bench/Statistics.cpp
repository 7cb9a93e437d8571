// SPDX-License-Identifier: MIT
// Medians, quantiles and spreads of the benchmark samples.
#include "Statistics.h"

#include <algorithm>
#include <cstdio>

namespace zamut {

double quantile(const std::vector<double>& sorted, double q) {
    const double at = q * static_cast<double>(sorted.size() - 1);
    const auto below = static_cast<std::size_t>(at);
    const std::size_t above = std::min(below + 1, sorted.size() - 1);
    return sorted[below] + (at - static_cast<double>(below)) * (sorted[above] - sorted[below]);
}

std::string spread(std::vector<double> values, int decimals) {
    std::sort(values.begin(), values.end());
    char text[160];
    std::snprintf(text, sizeof text, "%8.*f  %8.*f–%-8.*f %8.*f–%-8.*f", decimals,
                  quantile(values, 0.5), decimals, values.front(), decimals, values.back(),
                  decimals, quantile(values, 0.25), decimals, quantile(values, 0.75));
    return text;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return quantile(values, 0.5);
}

} // namespace zamut
