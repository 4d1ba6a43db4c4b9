#include "image_resample.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr int kChannels = 4;

// One output position's source taps along one axis.
struct Taps {
    int first;
    std::vector<float> weights;  // normalised
};

std::vector<Taps> AxisTaps(int from, int to)
{
    const double ratio = static_cast<double>(from) / to;
    const double radius = std::max(1.0, ratio);
    std::vector<Taps> taps(static_cast<size_t>(to));
    for (int out = 0; out < to; ++out) {
        const double centre = (out + 0.5) * ratio - 0.5;
        const int first = static_cast<int>(std::floor(centre - radius)) + 1;
        const int last = static_cast<int>(std::ceil(centre + radius)) - 1;
        Taps& entry = taps[static_cast<size_t>(out)];
        entry.first = first;
        double total = 0;
        for (int in = first; in <= last; ++in) {
            const double weight = std::max(0.0, 1.0 - std::abs(in - centre) / radius);
            entry.weights.push_back(static_cast<float>(weight));
            total += weight;
        }
        for (float& weight : entry.weights) {
            weight = static_cast<float>(weight / total);
        }
    }
    return taps;
}

using Pixel = std::array<float, kChannels>;

Pixel Unpack(uint32_t value)
{
    return {static_cast<float>(value & 0xFF), static_cast<float>((value >> 8) & 0xFF),
            static_cast<float>((value >> 16) & 0xFF), static_cast<float>(value >> 24)};
}

uint32_t Pack(const Pixel& pixel)
{
    uint32_t value = 0;
    for (int channel = 0; channel < kChannels; ++channel) {
        const long rounded = std::lround(std::clamp(pixel[static_cast<size_t>(channel)], 0.0f, 255.0f));
        value |= static_cast<uint32_t>(rounded) << (channel * 8);
    }
    // Premultiplied: no colour channel above the alpha.
    const uint32_t alpha = value >> 24;
    for (int channel = 0; channel < kChannels - 1; ++channel) {
        const uint32_t shift = static_cast<uint32_t>(channel * 8);
        if (((value >> shift) & 0xFF) > alpha) {
            value = (value & ~(0xFFu << shift)) | (alpha << shift);
        }
    }
    return value;
}

}  // namespace

std::vector<uint32_t> ResamplePixels(const uint32_t* pixels, SIZE from, SIZE to)
{
    const std::vector<Taps> columns = AxisTaps(from.cx, to.cx);
    const std::vector<Taps> rows = AxisTaps(from.cy, to.cy);
    // Across first, into a picture to.cx wide and from.cy high.
    std::vector<Pixel> across(static_cast<size_t>(to.cx) * from.cy);
    for (int y = 0; y < from.cy; ++y) {
        const uint32_t* row = pixels + static_cast<size_t>(y) * from.cx;
        for (int x = 0; x < to.cx; ++x) {
            const Taps& taps = columns[static_cast<size_t>(x)];
            Pixel sum = {};
            for (size_t i = 0; i < taps.weights.size(); ++i) {
                const int source = std::clamp(taps.first + static_cast<int>(i), 0, static_cast<int>(from.cx) - 1);
                const Pixel pixel = Unpack(row[source]);
                for (int channel = 0; channel < kChannels; ++channel) {
                    sum[static_cast<size_t>(channel)] += pixel[static_cast<size_t>(channel)] * taps.weights[i];
                }
            }
            across[static_cast<size_t>(y) * to.cx + x] = sum;
        }
    }
    std::vector<uint32_t> result(static_cast<size_t>(to.cx) * to.cy);
    for (int y = 0; y < to.cy; ++y) {
        const Taps& taps = rows[static_cast<size_t>(y)];
        for (int x = 0; x < to.cx; ++x) {
            Pixel sum = {};
            for (size_t i = 0; i < taps.weights.size(); ++i) {
                const int source = std::clamp(taps.first + static_cast<int>(i), 0, static_cast<int>(from.cy) - 1);
                const Pixel& pixel = across[static_cast<size_t>(source) * to.cx + x];
                for (int channel = 0; channel < kChannels; ++channel) {
                    sum[static_cast<size_t>(channel)] += pixel[static_cast<size_t>(channel)] * taps.weights[i];
                }
            }
            result[static_cast<size_t>(y) * to.cx + x] = Pack(sum);
        }
    }
    return result;
}
