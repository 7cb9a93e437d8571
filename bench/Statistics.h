// SPDX-License-Identifier: MIT
// Medians, quantiles and spreads of the benchmark samples.
#pragma once

#include <string>
#include <vector>

namespace zamut {

// Linear-interpolated quantile of sorted values.
double Quantile(const std::vector<double>& sorted, double q);

// "median  min–max  IQR" of the values, each with `decimals` decimals.
std::string Spread(std::vector<double> values, int decimals);

double Median(std::vector<double> values);

} // namespace zamut
