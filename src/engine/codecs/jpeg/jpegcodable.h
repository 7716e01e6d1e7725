// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a scan's own Huffman tables can code. Tables made for one photo hold codes only for
// what that photo has, so the blocks of a stamp are brought to the nearest values they code.

#include "engine/codecs/jpeg/jpeghuffman.h"

#include <optional>
#include <utility>
#include <vector>

namespace kalvora {

/// A set of DC values or differences, as sorted spans that do not touch.
using Spans = std::vector<std::pair<int, int>>;

/// The DC differences \a dc codes.
Spans codedDifferences(const HuffmanTable &dc);

/// The DC values from which one of \a differences leads to one of \a values.
Spans stepBack(const Spans &values, const Spans &differences);

/// What a changed block may take as its DC: a difference from its predictor among
/// \a differences and, when a block that keeps its coefficients follows it in its component
/// (anchored), a value among \a allowed, from which that block's DC is still reached.
struct DcChoice
{
    Spans differences;
    bool anchored = false;
    Spans allowed;
};

/// The DC value nearest \a wanted that differs from \a predictor by one of \a differences and
/// lies in \a allowed (when given); none when there is no such value.
std::optional<int> codableDc(
    const Spans &differences, int wanted, int predictor, const Spans *allowed);

/// The AC coefficient nearest \a value that \a ac codes after \a run zeros (run below 16): of
/// the largest magnitude of a smaller category or the smallest of a larger one; 0 when that is
/// nearer or none is coded.
int codableCoefficient(const HuffmanTable &ac, int run, int value);

} // namespace kalvora
