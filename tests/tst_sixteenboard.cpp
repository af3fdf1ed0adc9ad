#include "boardlists.h"
#include "testsupport.h"

#include <QAbstractButton>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>

using namespace Ui;

namespace {

// The board's 58 slots in the order of its file.
const QStringList Slots = boardList(WindowId::Sixteen).slots;

QStringList wrestlers(std::initializer_list<int> seeds)
{
    QStringList texts;
    for (int seed : seeds)
        texts << QString("#%1 Wrestler").arg(seed);
    return texts;
}

// The left half is in seeded order, the right half in number order.
const QStringList InitialTexts = wrestlers({1, 8, 4, 5, 3, 6, 2, 7, 9, 10, 11, 12, 13, 14, 15, 16})
        + QStringList {"Winner:"} + QStringList(6, "Winner") + QStringList {"Winner:"}
        + QStringList(6, "Winner")
        + QString("Loser 1|Loser 2|Loser 3|Loser 4|Winner|Loser 5|Winner|Loser 6|Winner|Winner|"
                  "Winner|Loser7|Loser 8|Loser 9|Loser 10|Loser 11|Winner|Loser 12|Loser13|"
                  "Winner|Winner|Winner|Winner|Loser 14|A Winner|B Winner|"
                  "Losers Bracket Winner|Winner's Bracket Winner")
                  .split('|');

} // namespace

class TestSixteenBoard : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_program = std::make_unique<TestProgram>();
        m_menu = m_program->open(WindowId::Main);
        click(m_menu, "cmdsixteen");
        TestProgram::settle();
        m_board = m_program->windows().instance(WindowId::Sixteen);
        QVERIFY(m_board && m_board->isVisible());
    }
    void cleanup() { m_program.reset(); }

    void opensWithItsInitialTexts()
    {
        QCOMPARE(m_board->objectName(), "frm16");
        QCOMPARE(m_board->windowTitle(), "16-manTournament");
        QCOMPARE(m_board->size(), QSize(792, 506));
        for (qsizetype i = 0; i < Slots.size(); ++i)
            QCOMPARE(text(m_board, Slots[i]), InitialTexts[i]);
        QCOMPARE(text(m_board, "Label2"), "VS");
        QCOMPARE(text(m_board, "Label8"), "VS");
    }

    void widgetsOfEachKind_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QRect>("twips");
        QTest::addColumn<qreal>("points");
        // clang-format off
        QTest::newRow("entry slot") << "txtWrestler13" << "#13 Wrestler" << QRect(10080, 1920, 1215, 285) << 8.25;
        QTest::newRow("right half") << "win26" << "<" << QRect(8400, 2760, 255, 255) << 8.25;
        QTest::newRow("losers' side B") << "lose20" << "<" << QRect(8880, 5640, 255, 255) << 8.25;
        QTest::newRow("tall Win") << "Command5" << "Win" << QRect(6240, 2040, 495, 375) << 8.25;
        // clang-format on
    }
    void widgetsOfEachKind()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QRect, twips);
        QFETCH(qreal, points);
        QWidget *widget = find(m_board, name);
        auto *button = qobject_cast<QAbstractButton *>(widget);
        QCOMPARE(button ? button->text() : text(m_board, name), caption);
        const auto px = [](int t) { return (t + 7) / 15; };
        QCOMPARE(widget->geometry(),
                 QRect(px(twips.x()), px(twips.y()), px(twips.width()), px(twips.height())));
        QCOMPARE(widget->font().pointSizeF(), points);
    }

    void winnersAndLosersSides_data()
    {
        // Upper contender and its button, lower contender and its button, winner, loser.
        QTest::addColumn<QString>("match");
        // clang-format off
        QTest::newRow("match 1")  << "txtWrestler1  win1  txtWrestler2  win2  winner1  loser1";
        QTest::newRow("match 2")  << "txtWrestler3  win3  txtWrestler4  win4  winner2  loser2";
        QTest::newRow("match 3")  << "txtWrestler5  win5  txtWrestler6  win6  winner3  loser3";
        QTest::newRow("match 4")  << "txtWrestler7  win7  txtWrestler8  win8  winner4  loser4";
        QTest::newRow("match 5")  << "winner1       win9  winner2       win10 winner5  loser6";
        QTest::newRow("match 6")  << "winner3       win11 winner4       win12 winner6  loser8";
        QTest::newRow("match 7")  << "winner5       win13 winner6       win14 Winner7  loser12";
        QTest::newRow("match 8")  << "txtWrestler9  win15 txtWrestler10 win16 winner8  loser13";
        QTest::newRow("match 9")  << "txtWrestler11 win17 txtWrestler12 win18 winner9  loser14";
        QTest::newRow("match 10") << "txtWrestler13 win19 txtWrestler14 win20 winner10 loser15";
        QTest::newRow("match 11") << "txtWrestler15 win21 txtWrestler16 win22 winner11 loser16";
        QTest::newRow("match 12") << "winner8       win23 winner9       win24 winner12 loser18";
        QTest::newRow("match 13") << "winner10      win25 winner11      win26 winner13 loser19";
        QTest::newRow("match 14") << "winner12      win27 winner13      win28 winner14 loser24";
        QTest::newRow("A1") << "loser1  lose1    loser2  lose2     loser5";
        QTest::newRow("A2") << "loser3  lose3    loser4  lose4     loser7";
        QTest::newRow("A3") << "loser5  Command8 loser6  Command10 loser9";
        QTest::newRow("A4") << "loser7  lose7    loser8  lose8     loser10";
        QTest::newRow("A5") << "loser9  lose9    loser10 lose10    loser11";
        QTest::newRow("A6") << "loser12 lose12   loser11 lose11    AWinner";
        QTest::newRow("B1") << "loser13 lose13   loser14 lose14    loser17";
        QTest::newRow("B2") << "loser15 lose15   loser16 lose16    loser20";
        QTest::newRow("B3") << "loser17 lose17   loser18 lose18    loser21";
        QTest::newRow("B4") << "loser19 lose19   loser20 lose20    loser22";
        QTest::newRow("B5") << "loser21 lose21   loser22 lose22    loser23";
        QTest::newRow("B6") << "loser23 lose23   loser24 lose24    BWinner";
        // clang-format on
    }
    void winnersAndLosersSides()
    {
        QFETCH(QString, match);
        const QStringList m = match.split(' ', Qt::SkipEmptyParts);
        const auto outcome = [&m](const QString &won, const QString &lost) {
            QStringList copies {m[4] + "<-" + won};
            if (m.size() > 5)
                copies << m[5] + "<-" + lost; // a losers' side match has no loser slot
            return copies;
        };
        Wiring::mark(m_board, Slots);
        click(m_board, m[1]);
        QCOMPARE(Wiring::differences(m_board, Slots, outcome(m[0], m[2])), QString());
        Wiring::mark(m_board, Slots);
        click(m_board, m[3]);
        QCOMPARE(Wiring::differences(m_board, Slots, outcome(m[2], m[0])), QString());
    }

    void winnersAndLosersFinals_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("copy");
        // clang-format off
        QTest::newRow("Command7 crowns side A") << "Command7" << "Label1<-AWinner";
        QTest::newRow("Command9 crowns side B") << "Command9" << "Label1<-BWinner";
        QTest::newRow("Command6 crowns the left half") << "Command6" << "Label3<-Winner7";
        QTest::newRow("Command5 crowns the right half") << "Command5" << "Label3<-winner14";
        // clang-format on
    }
    void winnersAndLosersFinals()
    {
        QFETCH(QString, button);
        QFETCH(QString, copy);
        Wiring::mark(m_board, Slots);
        click(m_board, button);
        QCOMPARE(Wiring::differences(m_board, Slots, {copy}), QString());
    }

    void grandFinal_data()
    {
        QTest::addColumn<QString>("clicks");
        QTest::addColumn<QString>("label1");
        QTest::addColumn<QString>("label3");
        QTest::addColumn<QString>("shownTitle");
        // Command7 and Command5 put "A Winner" and winner14's "Winner" into the titles.
        // clang-format off
        QTest::newRow("losers' winner wins") << "Command7 Command5 Command1" << "Winner: A Winner" << "Winner" << "Label1";
        QTest::newRow("Win clicked twice") << "Command7 Command5 Command1 Command1" << "Winner: A Winner" << "Winner" << "Label1";
        QTest::newRow("winners' winner wins") << "Command7 Command5 Command2 Command2" << "A Winner" << "Winner: Winner" << "Label3";
        QTest::newRow("both Wins in turn") << "Command7 Command5 Command1 Command2" << "Winner: A Winner" << "Winner: Winner" << "Label3";
        QTest::newRow("and back again") << "Command2 Command1 Command2 Command1" << "Winner: Losers Bracket Winner" << "Winner: Winner's Bracket Winner" << "Label1";
        // clang-format on
    }
    void grandFinal()
    {
        QFETCH(QString, clicks);
        QFETCH(QString, label1);
        QFETCH(QString, label3);
        QFETCH(QString, shownTitle);
        for (const QString &button : clicks.split(' '))
            click(m_board, button);
        QCOMPARE(text(m_board, "Label1"), label1);
        QCOMPARE(text(m_board, "Label3"), label3);
        for (const char *title : {"Label1", "Label2", "Label3"})
            QCOMPARE(shown(m_board, title), shownTitle == title);
        QVERIFY(shown(m_board, "Label8"));
    }

    void resetEmptiesEverySlotAndShowsTheTitles_data()
    {
        QTest::addColumn<QString>("win");
        QTest::newRow("after the losers' winner won") << "Command1";
        QTest::newRow("after the winners' winner won") << "Command2";
    }
    void resetEmptiesEverySlotAndShowsTheTitles()
    {
        QFETCH(QString, win);
        click(m_board, "win1");
        click(m_board, win);
        click(m_board, "Command39");
        for (const QString &name : Slots)
            QCOMPARE(text(m_board, name), QString());
        for (const char *title : {"Label1", "Label2", "Label3"})
            QVERIFY2(shown(m_board, title), title);
        QCOMPARE(text(m_board, "Label8"), "VS");
        QCOMPARE(saved(), QByteArray(58, '\n').replace("\n", "\r\n"));
    }

    void backShowsTheSameMenuAndForgetsTheBoard()
    {
        QVERIFY(m_program->windows().isLoaded(WindowId::Main));
        QVERIFY(!m_menu->isVisible());
        QPointer<QWidget> menu = m_menu;
        type(m_board, "txtWrestler1", "Bret");
        click(m_board, "Command40");
        TestProgram::settle();
        QCOMPARE(m_program->windows().instance(WindowId::Main), menu.data());
        QVERIFY(menu->isVisible());
        QVERIFY(!m_program->windows().isLoaded(WindowId::Sixteen));
        QCOMPARE(m_program->endings, 0);
        click(menu, "cmdsixteen");
        QWidget *again = m_program->windows().instance(WindowId::Sixteen);
        QCOMPARE(text(again, "txtWrestler1"), "#1 Wrestler");
    }

    void closingTheBoardBehindTheHiddenMenuEndsTheProgram()
    {
        m_board->close();
        TestProgram::settle();
        QCOMPARE(m_program->endings, 1);
    }

    void tabRunsThroughTheNamesInNumberOrder()
    {
        QCOMPARE(tabChain(m_board, "txtWrestler1", 16), Slots.mid(0, 16));
        m_board->activateWindow();
        QCOMPARE(m_board->focusWidget(), find(m_board, "txtWrestler1"));
    }

    void saveOfAFreshBoardWritesTheInitialTexts() { QCOMPARE(saved(), Files::lines(InitialTexts)); }

    void loadPutsBackWhatSaveWroteAndLeavesTheTitlesAlone()
    {
        Wiring::mark(m_board, Slots);
        type(m_board, "txtWrestler9", "007");
        const QByteArray file = saved();
        click(m_board, "Command39");
        click(m_board, "Command1");
        load(file);
        for (const QString &name : Slots)
            QCOMPARE(text(m_board, name),
                     name == "txtWrestler9" ? QString("007") : '<' + name + '>');
        QVERIFY(!shown(m_board, "Label2"));
        QVERIFY(!shown(m_board, "Label3"));
    }

private:
    QByteArray saved()
    {
        m_program->dialogs.answers.enqueue(m_dir.filePath("bracket.txt"));
        click(m_board, "Command37");
        return Files::read(m_dir.filePath("bracket.txt"));
    }
    void load(const QByteArray &bytes)
    {
        Files::write(m_dir.filePath("loaded.txt"), bytes);
        m_program->dialogs.answers.enqueue(m_dir.filePath("loaded.txt"));
        click(m_board, "Command38");
    }

    QTemporaryDir m_dir;
    std::unique_ptr<TestProgram> m_program;
    QWidget *m_menu = nullptr;
    QWidget *m_board = nullptr;
};

QTEST_MAIN(TestSixteenBoard)
#include "tst_sixteenboard.moc"
