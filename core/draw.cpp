// SPDX-License-Identifier: GPL-3.0-or-later
#include "draw.h"

QList<int> Drawing::seedingOrder(int places)
{
    QList<int> order {1, 2};
    while (order.size() < places) {
        QList<int> doubled;
        const int sum = int(order.size()) * 2 + 1;
        for (int seed : std::as_const(order))
            doubled << seed << sum - seed;
        order = doubled;
    }
    return order.mid(0, places);
}

void Drawing::shuffle(QStringList &names, const std::function<float()> &nextValue)
{
    for (qsizetype i = names.size() - 1; i >= 1; --i) {
        // Taken in double, where a 24-bit value times any list's length is exact: in float a
        // value just under one could round up to i + 1.
        const auto j = qsizetype(double(nextValue()) * double(i + 1));
        names.swapItemsAt(i, j);
    }
}

QStringList Drawing::place(const QStringList &names, Placing placing, const Field &field)
{
    const int places = field.places();
    QStringList texts(places, bye());
    if (placing == Placing::Seeded) {
        const QList<int> seeds = seedingOrder(places);
        for (int i = 0; i < places; ++i) {
            const int seed = seeds.at(i);
            if (seed <= names.size())
                texts[field.bracketOrder.at(i)] = names.at(seed - 1);
        }
        return texts;
    }
    if (names.size() >= places) {
        for (int i = 0; i < places; ++i)
            texts[i] = names.at(i);
        return texts;
    }
    const QList<int> order = field.uppers + field.lowers;
    for (qsizetype i = 0; i < names.size(); ++i)
        texts[order.at(i)] = names.at(i);
    return texts;
}

Drawing::ByeCall Drawing::byeCall(const QString &upper, bool upperHoldsName, const QString &lower,
                                  bool lowerHoldsName)
{
    const bool upperBye = upper == bye();
    const bool lowerBye = lower == bye();
    if (upperBye && lowerBye)
        return ByeCall::Upper;
    if (upperBye && lowerHoldsName)
        return ByeCall::Lower;
    if (lowerBye && upperHoldsName)
        return ByeCall::Upper;
    return ByeCall::Wait;
}
