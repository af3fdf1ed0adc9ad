#include "testsupport.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

using namespace Ui;

namespace {

const QStringList Slots = {"One",    "two",    "three",  "four",   "Two1",  "Two2",  "Three1",
                           "loser1", "loser2", "loser3", "loser4", "Four4", "four2", "Label5"};

constexpr quint32 FlipsOne = 0xC00000; // v = 0.75
constexpr quint32 FlipsZero = 0x400000; // v = 0.25

} // namespace

class TestFourBoard : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_program = std::make_unique<TestProgram>();
        m_board = m_program->open(WindowId::Four);
    }
    void cleanup() { m_program.reset(); }

    void opensWithItsInitialTexts()
    {
        QCOMPARE(m_board->windowTitle(), QStringLiteral("The 4 Man Final Four Mode"));
        QCOMPARE(m_board->size(), QSize(759, 468));
        QCOMPARE(text(m_board, "One"), QStringLiteral("Wrestler 1"));
        QCOMPARE(text(m_board, "four"), QStringLiteral("Wrestler 4"));
        QCOMPARE(text(m_board, "Label5"), QStringLiteral("VS"));
        QCOMPARE(find(m_board, "Command22")->geometry(), QRect(560, 216, 57, 17));
    }

    void advanceButtons_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("copies");
        QTest::newRow("Command3") << "Command3" << QStringList {"Two1<-One", "loser1<-two"};
        QTest::newRow("Command4") << "Command4" << QStringList {"Two1<-two", "loser1<-One"};
        QTest::newRow("Command5") << "Command5" << QStringList {"Two2<-three", "loser2<-four"};
        QTest::newRow("Command6") << "Command6" << QStringList {"Two2<-four", "loser2<-three"};
        QTest::newRow("Command2") << "Command2"
                                  << QStringList {"Four4<-Two1", "Three1<-Two1", "loser4<-Two2"};
        QTest::newRow("Command1") << "Command1"
                                  << QStringList {"Four4<-Two2", "Three1<-Two2", "loser4<-Two1"};
        QTest::newRow("Command7") << "Command7" << QStringList {"loser3<-loser1"};
        QTest::newRow("Command10") << "Command10" << QStringList {"loser3<-loser2"};
        QTest::newRow("Command8") << "Command8" << QStringList {"four2<-loser3"};
        QTest::newRow("Command9") << "Command9" << QStringList {"four2<-loser4"};
    }
    void advanceButtons()
    {
        QFETCH(QString, button);
        QFETCH(QStringList, copies);
        Wiring::mark(m_board, Slots);
        click(m_board, button);
        QCOMPARE(Wiring::differences(m_board, Slots, copies), QString());
    }

    void pickButtons_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<quint32>("value");
        QTest::addColumn<QStringList>("copies");
        const QStringList semi1Upper {"Two1<-One", "loser1<-two"};
        QTest::newRow("Command18 flip 1") << "Command18" << FlipsOne << semi1Upper;
        QTest::newRow("Command18 flip 0")
                << "Command18" << FlipsZero << QStringList {"Two1<-two", "loser1<-One"};
        QTest::newRow("Command19 flip 1")
                << "Command19" << FlipsOne << QStringList {"Two2<-three", "loser2<-four"};
        QTest::newRow("Command19 flip 0")
                << "Command19" << FlipsZero << QStringList {"Two2<-four", "loser2<-three"};
        QTest::newRow("Command11 flip 1")
                << "Command11" << FlipsOne
                << QStringList {"Three1<-Two1", "Four4<-Two1", "loser4<-Two2"};
        QTest::newRow("Command11 flip 0")
                << "Command11" << FlipsZero
                << QStringList {"Three1<-Two2", "Four4<-Two2", "loser4<-Two1"};
        QTest::newRow("Command20 flip 1")
                << "Command20" << FlipsOne << QStringList {"loser3<-loser1"};
        QTest::newRow("Command20 flip 0")
                << "Command20" << FlipsZero << QStringList {"loser3<-loser2"};
        QTest::newRow("Command21 flip 1")
                << "Command21" << FlipsOne << QStringList {"four2<-loser3"};
        QTest::newRow("Command21 flip 0")
                << "Command21" << FlipsZero << QStringList {"four2<-loser4"};
    }
    void pickButtons()
    {
        QFETCH(QString, button);
        QFETCH(quint32, value);
        QFETCH(QStringList, copies);
        FreshGenerator fresh;
        Wiring::mark(m_board, Slots);
        FreshGenerator::nextValueWillBe(value);
        click(m_board, button);
        QCOMPARE(Wiring::differences(m_board, Slots, copies), QString());
    }

    void firstPicksAfterStartBothFlipOne()
    {
        FreshGenerator fresh;
        click(m_board, "Command18");
        click(m_board, "Command19");
        QCOMPARE(text(m_board, "Two1"), QStringLiteral("Wrestler 1"));
        QCOMPARE(text(m_board, "Two2"), QStringLiteral("Wrestler 3"));
        QCOMPARE(text(m_board, "loser2"), QStringLiteral("Wrestler 4"));
    }

    void winCrownsAFinalist_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("champion");
        QTest::newRow("Command12 crowns the upper finalist") << "Command12"
                                                             << "Bret";
        QTest::newRow("Command13 crowns the lower finalist") << "Command13"
                                                             << "Shawn";
    }
    void winCrownsAFinalist()
    {
        QFETCH(QString, button);
        QFETCH(QString, champion);
        playToGrandFinal();
        const int vsWidth = find(m_board, "Label5")->width();
        click(m_board, button);
        QCOMPARE(text(m_board, "Label5"), QStringLiteral("Winner: ") + champion);
        QCOMPARE(find(m_board, "Label5")->font().pointSizeF(), 12.0);
        QVERIFY(find(m_board, "Label5")->width() > vsWidth);
        for (const char *gone : {"Four4", "four2", "Command12", "Command13"})
            QVERIFY2(!shown(m_board, gone), gone);
        QVERIFY(shown(m_board, "Command22"));
        QCOMPARE(text(m_board, "Four4"), QStringLiteral("Bret"));
    }

    void grandFinalPickStillWorksAfterWin_data()
    {
        QTest::addColumn<quint32>("value");
        QTest::addColumn<QString>("champion");
        QTest::newRow("flip 1 crowns the lower finalist") << FlipsOne << "Shawn";
        QTest::newRow("flip 0 crowns the upper finalist") << FlipsZero << "Bret";
    }
    void grandFinalPickStillWorksAfterWin()
    {
        QFETCH(quint32, value);
        QFETCH(QString, champion);
        FreshGenerator fresh;
        playToGrandFinal();
        click(m_board, "Command12");
        FreshGenerator::nextValueWillBe(value);
        click(m_board, "Command22");
        QCOMPARE(text(m_board, "Label5"), QStringLiteral("Winner: ") + champion);
    }

    void resetEmptiesEverySlotAndKeepsTheSmallerVs()
    {
        playToGrandFinal();
        click(m_board, "Command13");
        click(m_board, "Command16");
        for (const QString &name : Slots.mid(0, 13))
            QCOMPARE(text(m_board, name), QString());
        QCOMPARE(text(m_board, "Label5"), QStringLiteral("VS."));
        QCOMPARE(find(m_board, "Label5")->font().pointSizeF(), 12.0);
        for (const char *back : {"Four4", "four2", "Command12", "Command13", "Label5"})
            QVERIFY2(shown(m_board, back), back);
    }

    void aNewDecisionDoesNotRecomputeLaterRounds()
    {
        click(m_board, "Command3");
        click(m_board, "Command5");
        click(m_board, "Command2");
        click(m_board, "Command4");
        QCOMPARE(text(m_board, "Two1"), QStringLiteral("Wrestler 2"));
        QCOMPARE(text(m_board, "loser1"), QStringLiteral("Wrestler 1"));
        QCOMPARE(text(m_board, "Four4"), QStringLiteral("Wrestler 1"));
        QCOMPARE(text(m_board, "Three1"), QStringLiteral("Wrestler 1"));
        QCOMPARE(text(m_board, "loser4"), QStringLiteral("Wrestler 3"));
    }

    void namesAreShownAsTyped()
    {
        type(m_board, "One", QStringLiteral("<b>Tom & Jerry</b>"));
        click(m_board, "Command3");
        auto *label = m_board->findChild<QLabel *>(QStringLiteral("Two1"));
        QCOMPARE(label->textFormat(), Qt::PlainText);
        QCOMPARE(label->text(), QStringLiteral("<b>Tom & Jerry</b>"));
    }

    void tabOrderFollowsTheTabIndexes()
    {
        // Tab index 0 is the winners' final's lower ">", then the semi-final buttons upwards.
        const QStringList expected {"Command1",  "Command6",  "Command5",  "Command4",  "Command3",
                                    "Command2",  "two",       "One",       "three",     "four",
                                    "Command10", "Command9",  "Command8",  "Command7",  "Command13",
                                    "Command12", "Command14", "Command15", "Command16", "Command17",
                                    "Command11", "Command18", "Command19", "Command20", "Command21",
                                    "Command22", "Command1"};
        QCOMPARE(tabChain(m_board, "Command1", expected.size()), expected);
        QCOMPARE(QApplication::focusWidget(), nullptr);
        m_board->activateWindow();
        QCOMPARE(m_board->focusWidget(), find(m_board, "Command1"));
    }

private:
    void playToGrandFinal()
    {
        type(m_board, "One", QStringLiteral("Bret"));
        type(m_board, "three", QStringLiteral("Shawn"));
        click(m_board, "Command3"); // Bret beats Wrestler 2
        click(m_board, "Command5"); // Shawn beats Wrestler 4
        click(m_board, "Command2"); // Bret beats Shawn
        click(m_board, "Command7"); // Wrestler 2 beats Wrestler 4
        click(m_board, "Command9"); // Shawn beats Wrestler 2
        QCOMPARE(text(m_board, "Four4"), QStringLiteral("Bret"));
        QCOMPARE(text(m_board, "four2"), QStringLiteral("Shawn"));
    }

    std::unique_ptr<TestProgram> m_program;
    QWidget *m_board = nullptr;
};

QTEST_MAIN(TestFourBoard)
#include "tst_fourboard.moc"
