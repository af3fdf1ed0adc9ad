#include "boardwindow.h"
#include "testsupport.h"

#include <QAbstractButton>
#include <QTest>

using namespace Ui;

namespace {

// The file's order: eight entry slots, the winners' side, the losers' side.
const QStringList Listed
        = QStringLiteral(
                  "txtWrestler1 txtWrestler2 txtWrestler3 txtWrestler4 txtWrestler5 txtWrestler6 "
                  "txtWrestler7 txtWrestler8 lblwinner1 lblWinner2 lblwinner3 lblWinner4 "
                  "lblwinner5 "
                  "lblwinner6 lblWinner7 lblLoser1 lblLoser2 lblloser3 lblLoser4 lblLoser5 "
                  "lblLoser6 "
                  "lblLoser7 lblLoser8 lblLoser9 lblloser10 lblLoser11 lblLoser12 lblLoser13")
                  .split(' ');
const QStringList GrandFinal = {"Label9", "Label10", "Label1"};
const QStringList Slots = Listed + GrandFinal;

// Each match with its pick button.
// clang-format off
const std::pair<const char *, const char *> Matches[] = {
    {"Command12", "txtWrestler1 cmdAdvance txtWrestler2 Command1  > lblwinner1 / lblLoser1"},
    {"Command29", "txtWrestler3 Command2   txtWrestler4 Command3  > lblWinner2 / lblLoser2"},
    {"Command30", "txtWrestler5 Command4   txtWrestler6 Command5  > lblwinner3 / lblloser3"},
    {"Command31", "txtWrestler7 Command6   txtWrestler8 Command7  > lblWinner4 / lblLoser4"},
    {"Command35", "lblwinner1   Command21  lblWinner2   Command22 > lblwinner5 / lblLoser6"},
    {"Command36", "lblwinner3   Command23  lblWinner4   Command24 > lblwinner6 / lblLoser8"},
    {"Command41", "lblwinner5   Command25  lblwinner6   Command26 > lblWinner7 Label9 / lblLoser12"},
    {"Command32", "lblLoser1    Command8   lblLoser2    Command9  > lblLoser5"},
    {"Command33", "lblloser3    Command10  lblLoser4    Command11 > lblLoser7"},
    {"Command44", "lblLoser5    Command13  lblLoser6    Command14 > lblLoser9"},
    {"Command43", "lblLoser7    Command15  lblLoser8    Command16 > lblloser10"},
    {"Command34", "lblLoser9    Command20  lblloser10   Command19 > lblLoser11"},
    {"Command45", "lblLoser11   Command18  lblLoser12   Command17 > lblLoser13 Label10"},
    {"Command42", "Label9       Command27  Label10      Command28 > Label1"},
};
// clang-format on

qint16 drawHolder(QWidget *board)
{
    return qobject_cast<BoardWindow *>(board)->drawHolder();
}

} // namespace

class TestEightBoard : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { m_f = std::make_unique<BoardFixture>(WindowId::Eight, "Command37", "Command38"); }
    void cleanup() { m_f.reset(); }

    void opensEmptyWithItsCaption()
    {
        QCOMPARE(m_f->board->windowTitle(), "8 Man Tournaments");
        QCOMPARE(m_f->board->size(), QSize(765, 438));
        QCOMPARE(m_f->texts(Slots), QStringList(31, QString()));
        QCOMPARE(text(m_f->board, "Label11"), "VS");
        QCOMPARE(m_f->board->findChildren<QAbstractButton *>().size(), 46);
        QCOMPARE(find(m_f->board, "Command43")->geometry(), QRect(256, 328, 49, 17));
        QCOMPARE(find(m_f->board, "Command43")->font().pointSizeF(), 9.0);
        QCOMPARE(find(m_f->board, "lblLoser13")->geometry(), QRect(584, 304, 81, 17));
    }

    void advanceButtons_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("copies");
        for (const auto &[pick, line] : Matches) {
            const Wiring::Match m = Wiring::parse(line);
            QTest::addRow("%s", qPrintable(m.upperButton)) << m.upperButton << advancing(m, true);
            QTest::addRow("%s", qPrintable(m.lowerButton)) << m.lowerButton << advancing(m, false);
        }
    }
    void advanceButtons()
    {
        QFETCH(QString, button);
        QFETCH(QStringList, copies);
        Wiring::mark(m_f->board, Slots);
        click(m_f->board, button);
        QCOMPARE(Wiring::differences(m_f->board, Slots, copies), QString());
    }

    // v <= 0.25 draws 0 and changes nothing; below 0.75 the upper contender wins, from 0.75 on
    // the lower one.
    void pickButtons_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<quint32>("value");
        QTest::addColumn<int>("draw");
        QTest::addColumn<QStringList>("copies");
        for (const auto &[pick, line] : Matches) {
            const Wiring::Match m = Wiring::parse(line);
            QTest::addRow("%s v=0.1", pick) << pick << 0x19999Au << 0 << QStringList();
            QTest::addRow("%s v=0.5", pick) << pick << 0x800000u << 1 << advancing(m, true);
            QTest::addRow("%s v=0.9", pick) << pick << 0xE66666u << 2 << advancing(m, false);
        }
        const Wiring::Match first = Wiring::parse(Matches[0].second);
        QTest::newRow("v=0.25") << "Command12" << 0x400000u << 0 << QStringList();
        QTest::newRow("v=0.75") << "Command12" << 0xC00000u << 2 << advancing(first, false);
    }
    void pickButtons()
    {
        QFETCH(QString, button);
        QFETCH(quint32, value);
        QFETCH(int, draw);
        QFETCH(QStringList, copies);
        FreshGenerator fresh;
        Wiring::mark(m_f->board, Slots);
        FreshGenerator::nextValueWillBe(value);
        click(m_f->board, button);
        QCOMPARE(drawHolder(m_f->board), draw);
        QCOMPARE(Wiring::differences(m_f->board, Slots, copies), QString());
    }

    void sevenPicksAfterStart()
    {
        FreshGenerator fresh;
        for (int i = 1; i <= 8; ++i)
            type(m_f->board, QStringLiteral("txtWrestler%1").arg(i), QStringLiteral("W%1").arg(i));
        const std::pair<const char *, int> presses[]
                = {{"Command12", 1}, {"Command29", 1}, {"Command30", 1}, {"Command31", 1},
                   {"Command35", 1}, {"Command36", 2}, {"Command41", 0}};
        for (const auto &[button, draw] : presses) {
            click(m_f->board, button);
            QCOMPARE(drawHolder(m_f->board), draw);
        }
        // The upper contender wins the first five, the lower the sixth, and W7 stays undecided.
        const QStringList decided
                = {"lblwinner1", "lblLoser1",  "lblWinner2", "lblLoser2",  "lblwinner3",
                   "lblloser3",  "lblWinner4", "lblLoser4",  "lblwinner5", "lblLoser6",
                   "lblwinner6", "lblLoser8",  "lblWinner7", "Label9",     "lblLoser12"};
        QCOMPARE(m_f->texts(decided).join(' '), "W1 W2 W3 W4 W5 W6 W7 W8 W1 W3 W7 W5   ");
    }

    void winNamesTheChampionAndHidesNothing()
    {
        Wiring::mark(m_f->board, GrandFinal);
        QWidget *champion = find(m_f->board, "Label1");
        const int width = champion->width();
        click(m_f->board, "Command28");
        QCOMPARE(text(m_f->board, "Label1"), "<Label10>");
        QVERIFY(champion->width() > width);
        for (const char *still : {"Label9", "Label10", "Label11", "Command27", "Command28"})
            QVERIFY2(shown(m_f->board, still), still);
    }

    void resetEmptiesTheListAndKeepsTheGrandFinal()
    {
        Wiring::mark(m_f->board, Slots);
        click(m_f->board, "Command39");
        QCOMPARE(m_f->texts(Listed), QStringList(28, QString()));
        QCOMPARE(m_f->texts(GrandFinal), QStringList({"<Label9>", "<Label10>", "<Label1>"}));
        QCOMPARE(m_f->save(), QByteArray("\r\n").repeated(28));
    }

    void savesInFileOrderAndLoadsBackLeavingTheGrandFinal()
    {
        Wiring::mark(m_f->board, Slots);
        QStringList marks;
        for (const QString &name : Listed)
            marks << '<' + name + '>';
        const QByteArray file = m_f->save();
        QCOMPARE(file, Files::lines(marks));
        click(m_f->board, "Command39");
        m_f->load(file);
        QCOMPARE(m_f->texts(Listed), marks);
        QCOMPARE(text(m_f->board, "Label1"), "<Label1>");
    }

private:
    static QStringList advancing(const Wiring::Match &m, bool upper)
    {
        return Wiring::advancing(m, upper);
    }

    std::unique_ptr<BoardFixture> m_f;
};

QTEST_MAIN(TestEightBoard)
#include "tst_eightboard.moc"
