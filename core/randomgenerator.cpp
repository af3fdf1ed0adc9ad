// SPDX-License-Identifier: GPL-3.0-or-later
#include "randomgenerator.h"

namespace {
constexpr quint32 Multiplier = 0x43FD43FD;
constexpr quint32 Increment = 0xC39EC3;
constexpr int StateBits = 24;
} // namespace

void RandomGenerator::step()
{
    m_state = (m_state * Multiplier + Increment) & StateMask;
}

float RandomGenerator::nextValue()
{
    step();
    return float(m_state) / float(1u << StateBits);
}

int RandomGenerator::scaledDraw(int n)
{
    step();
    // state * n / 2^24 taken exactly in integers, so no float rounding can move a boundary.
    const quint64 product = quint64(m_state) * quint64(n);
    quint64 whole = product >> StateBits;
    const quint64 fraction = product & StateMask;
    const quint64 half = quint64(1) << (StateBits - 1);
    if (fraction > half || (fraction == half && (whole & 1)))
        ++whole;
    return int(whole);
}

RandomGenerator &processRandom()
{
    static RandomGenerator generator;
    return generator;
}
