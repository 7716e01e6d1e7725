// SPDX-FileCopyrightText: 2026 Vendrel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRandomGenerator>

/// A pseudo-random number from 0 (included) to 1 (excluded), behind an interface so tests can
/// fix the draw.
class RandomDraw
{
public:
    virtual ~RandomDraw() = default;
    virtual double draw() = 0;
};

/// Draws from a generator seeded once, at construction.
class SeededRandomDraw final : public RandomDraw
{
public:
    explicit SeededRandomDraw(quint32 seed)
        : m_generator(seed)
    { }

    double draw() override { return m_generator.generateDouble(); }

private:
    QRandomGenerator m_generator;
};
