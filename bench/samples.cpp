#include "samples.h"

#include <algorithm>

double Median(std::vector<double> samples)
{
    if (samples.empty())
        return 0;
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

double Worst(const std::vector<double>& samples)
{
    return samples.empty() ? 0 : *std::max_element(samples.begin(), samples.end());
}

double Quantile(std::vector<double> samples, double fraction)
{
    if (samples.empty())
        return 0;
    std::sort(samples.begin(), samples.end());
    const double rank = fraction * static_cast<double>(samples.size() - 1);
    return samples[static_cast<size_t>(rank + 0.5)];
}
