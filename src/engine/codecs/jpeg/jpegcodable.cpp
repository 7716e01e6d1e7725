// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/codecs/jpeg/jpegcodable.h"

#include <algorithm>
#include <cstdlib>

namespace kalvora {

namespace {

// The DC values of 8-bit pictures.
constexpr int kLargestDc = 2047;

Spans merged(Spans spans)
{
    std::sort(spans.begin(), spans.end());
    Spans out;
    for (const auto &span : spans) {
        if (!out.empty() && span.first <= out.back().second + 1)
            out.back().second = std::max(out.back().second, span.second);
        else
            out.push_back(span);
    }
    return out;
}

bool holds(const Spans &spans, int value)
{
    return std::any_of(spans.cbegin(), spans.cend(),
        [value](const auto &span) { return value >= span.first && value <= span.second; });
}

} // namespace

Spans codedDifferences(const HuffmanTable &dc)
{
    Spans spans;
    if (dc.has(0))
        spans.push_back({0, 0});
    for (int category = 1; category <= 11; ++category)
        if (dc.has(category)) {
            spans.push_back({1 << (category - 1), (1 << category) - 1});
            spans.push_back({1 - (1 << category), -(1 << (category - 1))});
        }
    return merged(spans);
}

Spans stepBack(const Spans &values, const Spans &differences)
{
    // Every value stays every value where a difference of zero is coded.
    if (values == Spans {{-kLargestDc, kLargestDc}} && holds(differences, 0))
        return values;
    Spans back;
    for (const auto &value : values)
        for (const auto &difference : differences) {
            const int low = std::max(-kLargestDc, value.first - difference.second);
            const int high = std::min(kLargestDc, value.second - difference.first);
            if (low <= high)
                back.push_back({low, high});
        }
    return merged(back);
}

std::optional<int> codableDc(
    const Spans &differences, int wanted, int predictor, const Spans *allowed)
{
    for (int step = 0; step <= 2 * kLargestDc; ++step) {
        for (const int value : {wanted + step, wanted - step}) {
            if (value >= -kLargestDc && value <= kLargestDc && holds(differences, value - predictor)
                && (!allowed || holds(*allowed, value)))
                return value;
        }
    }
    return std::nullopt;
}

int codableCoefficient(const HuffmanTable &ac, int run, int value)
{
    const int magnitude = std::abs(value);
    int best = 0;
    for (int size = 1; size <= 10; ++size) {
        if (!ac.has((run << 4) | size))
            continue;
        const int nearest = std::clamp(magnitude, 1 << (size - 1), (1 << size) - 1);
        if (best == 0 || std::abs(nearest - magnitude) < std::abs(best - magnitude))
            best = nearest;
    }
    if (std::abs(best - magnitude) >= magnitude)
        best = 0;
    return value < 0 ? -best : best;
}

} // namespace kalvora
