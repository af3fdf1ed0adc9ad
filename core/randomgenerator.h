// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

// The program's one source of chance. It is never seeded from the clock: the same clicks give the
// same picks, gimmicks and winners in every run, which bookers rely on to replay a card.
class RandomGenerator
{
public:
    static constexpr quint32 StartState = 0x50000;

    // Advances one step and returns the new value in [0, 1).
    float nextValue();

    // The next value times n, rounded to the nearest whole number with halves going to the even
    // neighbour: 0 to n, the two ends half as likely as the numbers between.
    int scaledDraw(int n);

    // The next value rounded the same way without scaling: 1 above one half, 0 otherwise.
    int coinFlip() { return scaledDraw(1); }

    quint32 state() const { return m_state; }
    void setState(quint32 state) { m_state = state & StateMask; }

private:
    static constexpr quint32 StateMask = 0xFFFFFF;
    void step();

    quint32 m_state = StartState;
};

// The generator every window draws from, shared for the whole run.
RandomGenerator &processRandom();
