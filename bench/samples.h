// Summaries of repeated measurements.
#pragma once

#include <vector>

// The middle sample (the upper of the two middle ones for an even count); 0 when there are none.
double Median(std::vector<double> samples);
// The largest sample; 0 when there are none.
double Worst(const std::vector<double>& samples);
// The sample below which the given fraction of the samples lie (0.25: the
// lower quartile), the nearest one by rank; 0 when there are none.
double Quantile(std::vector<double> samples, double fraction);
