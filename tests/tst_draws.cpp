#include "randomgenerator.h"
#include "testsupport.h"

#include <QTest>

// The draws must match the published generator exactly: saved cards are replayed by clicking
// the same buttons in the same order.
class TestDraws : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { processRandom().setState(RandomGenerator::StartState); }

    void firstValuesAfterStart()
    {
        const double expected[]
                = {0.7055475,  0.533424,  0.5795186, 0.2895625, 0.301948,   0.7747401,
                   0.01401764, 0.7607236, 0.81449,   0.7090379, 0.04535276, 0.4140327};
        for (double value : expected)
            QCOMPARE(qRound64(processRandom().nextValue() * 1e7), qRound64(value * 1e7));
    }

    // Exact halves go to the even neighbour; set the state one step before the wanted value.
    void roundingAtHalves_data()
    {
        QTest::addColumn<quint32>("state");
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("expected");
        QTest::newRow("v=0.5 flips 0") << 0x800000u << 1 << 0;
        QTest::newRow("v=0.25 of 2 gives 0") << 0x400000u << 2 << 0;
        QTest::newRow("v=0.75 of 2 gives 2") << 0xC00000u << 2 << 2;
        QTest::newRow("v=0.75 of 86 gives 64") << 0xC00000u << 86 << 64;
        QTest::newRow("v=0.125 of 4 gives 0") << 0x200000u << 4 << 0;
        QTest::newRow("v=0.875 of 4 gives 4") << 0xE00000u << 4 << 4;
        QTest::newRow("v=0.5 of 3 gives 2") << 0x800000u << 3 << 2;
        QTest::newRow("v=0.25 of 10 gives 2") << 0x400000u << 10 << 2;
        QTest::newRow("just above a half rounds up") << 0x800001u << 1 << 1;
    }
    void roundingAtHalves()
    {
        QFETCH(quint32, state);
        QFETCH(int, n);
        QFETCH(int, expected);
        FreshGenerator::nextValueWillBe(state);
        QCOMPARE(processRandom().scaledDraw(n), expected);
    }
};

QTEST_GUILESS_MAIN(TestDraws)
#include "tst_draws.moc"
