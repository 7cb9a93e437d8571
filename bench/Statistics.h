// SPDX-License-Identifier: MIT
// Medians, quantiles and spreads of the benchmark samples.
#pragma once

#include <string>
#include <vector>

namespace zamut {

// Linear-interpolated quantile of sorted values.
double quantile(const std::vector<double>& sorted, double q);

// "median  min–max  IQR" of the values, each with `decimals` decimals.
std::string spread(std::vector<double> values, int decimals);

double median(std::vector<double> values);

} // namespace zamut
