// SPDX-License-Identifier: GPL-3.0-or-later
// What the four bracket boards do alike, over every board: each match's wiring and pick, the
// order of the board's file, Reset, old files read by holder kind, Back. Then each board's own
// finals and Reset. Closing windows and loading back what was saved are the soak's.
#include "testsupport.h"

#include <QPointer>

using namespace Ui;

namespace {

// One line per match: "upper upperButton lower lowerButton > winners... [/ loser] [: pick]".
// clang-format off
const QStringList FourMatches = {
    "One Command3 two Command4 > Two1 / loser1 : Command18",
    "three Command5 four Command6 > Two2 / loser2 : Command19",
    "Two1 Command2 Two2 Command1 > Four4 Three1 / loser4 : Command11",
    "loser1 Command7 loser2 Command10 > loser3 : Command20",
    "loser3 Command8 loser4 Command9 > four2 : Command21",
};
const QStringList EightMatches = {
    "txtWrestler1 cmdAdvance txtWrestler2 Command1 > lblwinner1 / lblLoser1 : Command12",
    "txtWrestler3 Command2 txtWrestler4 Command3 > lblWinner2 / lblLoser2 : Command29",
    "txtWrestler5 Command4 txtWrestler6 Command5 > lblwinner3 / lblloser3 : Command30",
    "txtWrestler7 Command6 txtWrestler8 Command7 > lblWinner4 / lblLoser4 : Command31",
    "lblwinner1 Command21 lblWinner2 Command22 > lblwinner5 / lblLoser6 : Command35",
    "lblwinner3 Command23 lblWinner4 Command24 > lblwinner6 / lblLoser8 : Command36",
    "lblwinner5 Command25 lblwinner6 Command26 > lblWinner7 Label9 / lblLoser12 : Command41",
    "lblLoser1 Command8 lblLoser2 Command9 > lblLoser5 : Command32",
    "lblloser3 Command10 lblLoser4 Command11 > lblLoser7 : Command33",
    "lblLoser5 Command13 lblLoser6 Command14 > lblLoser9 : Command44",
    "lblLoser7 Command15 lblLoser8 Command16 > lblloser10 : Command43",
    "lblLoser9 Command20 lblloser10 Command19 > lblLoser11 : Command34",
    "lblLoser11 Command18 lblLoser12 Command17 > lblLoser13 Label10 : Command45",
    "Label9 Command27 Label10 Command28 > Label1 : Command42",
};
const QStringList SixteenMatches = {
    "txtWrestler1 win1 txtWrestler2 win2 > winner1 / loser1",
    "txtWrestler3 win3 txtWrestler4 win4 > winner2 / loser2",
    "txtWrestler5 win5 txtWrestler6 win6 > winner3 / loser3",
    "txtWrestler7 win7 txtWrestler8 win8 > winner4 / loser4",
    "winner1 win9 winner2 win10 > winner5 / loser6",
    "winner3 win11 winner4 win12 > winner6 / loser8",
    "winner5 win13 winner6 win14 > Winner7 / loser12",
    "txtWrestler9 win15 txtWrestler10 win16 > winner8 / loser13",
    "txtWrestler11 win17 txtWrestler12 win18 > winner9 / loser14",
    "txtWrestler13 win19 txtWrestler14 win20 > winner10 / loser15",
    "txtWrestler15 win21 txtWrestler16 win22 > winner11 / loser16",
    "winner8 win23 winner9 win24 > winner12 / loser18",
    "winner10 win25 winner11 win26 > winner13 / loser19",
    "winner12 win27 winner13 win28 > winner14 / loser24",
    "loser1 lose1 loser2 lose2 > loser5",
    "loser3 lose3 loser4 lose4 > loser7",
    "loser5 Command8 loser6 Command10 > loser9",
    "loser7 lose7 loser8 lose8 > loser10",
    "loser9 lose9 loser10 lose10 > loser11",
    "loser12 lose12 loser11 lose11 > AWinner",
    "loser13 lose13 loser14 lose14 > loser17",
    "loser15 lose15 loser16 lose16 > loser20",
    "loser17 lose17 loser18 lose18 > loser21",
    "loser19 lose19 loser20 lose20 > loser22",
    "loser21 lose21 loser22 lose22 > loser23",
    "loser23 lose23 loser24 lose24 > BWinner",
    "AWinner Command7 BWinner Command9 > Label1",
    "Winner7 Command6 winner14 Command5 > Label3",
};
// clang-format on
// The upper half is wired as the sixteen-man board's winners' side without its loser slots, but
// for the third match's buttons.
QStringList thirtyTwoUpperHalf()
{
    QStringList lines;
    for (const QString &line : SixteenMatches.first(14))
        lines << line.section(" / ", 0, 0);
    lines[2].replace("win5", "Command11").replace("win6", "Command12");
    return lines;
}
// clang-format off
const QStringList ThirtyTwoMatches = thirtyTwoUpperHalf() + QStringList {
    "wrestler17 Command34 wrestler18 Command27 > winner15",
    "wrestler19 Command28 wrestler20 Command29 > winner16",
    "wrestler21 Command30 wrestler22 Command31 > winner17",
    "wrestler23 Command32 wrestler24 Command33 > winner18",
    "winner15 Command35 winner16 Command36 > winner19",
    "winner17 Command37 winner18 Command38 > winner20",
    "winner19 Command39 winner20 Command40 > winner21",
    "wrestler25 Command26 wrestler26 Command19 > winner22",
    "wrestler27 Command20 wrestler28 Command21 > winner23",
    "wrestler29 Command22 wrestler30 Command23 > winner24",
    "wrestler31 Command24 wrestler32 Command25 > winner25",
    "winner22 Command15 winner23 Command16 > winner26",
    "winner24 Command17 winner25 Command18 > winner27",
    "winner26 Command13 winner27 Command14 > winner28",
    "Winner7 Command6 winner14 Command5 > Label6",
    "winner21 Command8 winner28 Command7 > Label3",
};
// clang-format on

// Each board's matches, in board order, and the generator's next values for its picks with whom
// each picks (1 the upper contender, 2 the lower, 0 nobody): on the four-man board a coin flip of
// 1 picks the upper contender; on the eight-man board a draw of 2 picks the lower one, 1 the upper
// one and 0 nobody.
using Picks = QList<std::pair<quint32, int>>;
const std::pair<QStringList, Picks> Boards[] = {
        {FourMatches, {{0xC00000, 1}, {0x400000, 2}}},
        {EightMatches, {{0x19999A, 0}, {0x800000, 1}, {0xE66666, 2}}},
        {SixteenMatches, {}},
        {ThirtyTwoMatches, {}},
};

// Every widget on the board that holds a name or a caption, so that a click writing where it
// should not shows.
QStringList everySlot(QWidget *board)
{
    QStringList names;
    for (QWidget *widget : board->findChildren<QWidget *>())
        if (Slot::isSlot(widget))
            names << widget->objectName();
    return names;
}

} // namespace

class TestBoards : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void wiring_data()
    {
        QTest::addColumn<int>("board");
        QTest::addColumn<QString>("button");
        QTest::addColumn<quint32>("value"); // the generator's next value, for a pick
        QTest::addColumn<QStringList>("copies");
        for (const BoardList &list : boardLists()) {
            const auto &[matches, picks] = Boards[int(list.id) - int(WindowId::Four)];
            for (const QString &line : matches) {
                const Wiring::Match m = Wiring::parse(line);
                const QStringList outcomes[]
                        = {{}, Wiring::advancing(m, true), Wiring::advancing(m, false)};
                QTest::addRow("%s %s", list.tag, qPrintable(m.upperButton))
                        << int(list.id) << m.upperButton << 0u << outcomes[1];
                QTest::addRow("%s %s", list.tag, qPrintable(m.lowerButton))
                        << int(list.id) << m.lowerButton << 0u << outcomes[2];
                for (const auto &[value, picked] : picks) {
                    QTest::addRow("%s %s next %06x", list.tag, qPrintable(m.pick), value)
                            << int(list.id) << m.pick << value << outcomes[picked];
                }
            }
        }
    }
    void wiring()
    {
        QFETCH(int, board);
        QFETCH(QString, button);
        QFETCH(quint32, value);
        QFETCH(QStringList, copies);
        TestProgram program;
        QWidget *window = program.open(WindowId(board));
        const QStringList slots = everySlot(window);
        Wiring::mark(window, slots);
        FreshGenerator fresh;
        FreshGenerator::nextValueWillBe(value);
        click(window, button);
        QCOMPARE(Wiring::differences(window, slots, copies), QString());
    }

    // Save writes the slots in file order and Reset empties them; the soak loads them back. The
    // old program wrote every name plain: "012" comes back as 12 on a typed line. Back shows the
    // menu and forgets the board; only the sixteen-man board keeps the menu behind it when the
    // menu opens it.
    void fileAndBack_data() { addBoards(); }
    void fileAndBack()
    {
        QFETCH(WindowId, id);
        const BoardList &list = boardList(id);
        BoardFixture f(list.id);
        const QByteArray initial = f.save();
        Wiring::mark(f.board, list.slots);
        QCOMPARE(f.save(), Files::lines(f.texts(list.slots)));
        click(f.board, list.reset);
        QCOMPARE(f.texts(list.slots), QStringList(list.slots.size(), QString()));
        QStringList lines, expected;
        for (int line = 1; line <= list.slots.size() + 2; ++line)
            lines << QStringLiteral("0%1").arg(line);
        for (int line = 1; line <= list.slots.size(); ++line)
            expected << (list.typed(line) ? QString::number(line) : lines.at(line - 1));
        f.load(Files::lines(lines));
        QCOMPARE(f.texts(list.slots), expected);

        click(f.board, list.back);
        TestProgram::settle();
        QPointer<QWidget> menu = f.program.windows().instance(WindowId::Main);
        QVERIFY(menu->isVisible() && !f.program.windows().isLoaded(list.id));
        click(menu, list.menuButton); // unloads the menu before the board is shown
        TestProgram::settle();
        QCOMPARE(menu.isNull(), list.id != WindowId::Sixteen);
        QCOMPARE(f.program.endings, 0);
        f.board = f.program.windows().instance(list.id);
        QCOMPARE(f.save(), initial);
    }

    // Each board's own finals, Reset and picks from a fresh generator, as steps separated by
    // ", ": a button to click, "slot=text" to set, "slot?text" to check, "+name" or "-name" shown
    // or hidden, "~value" the generator's next value, "mark" every slot named "<slot>", "load" a
    // file of "x" lines, "final" the thirty-two-man board's finalists Bret and Shawn.
    void finals_data()
    {
        QTest::addColumn<WindowId>("id");
        QTest::addColumn<QString>("steps");
        // clang-format off
        QTest::newRow("four picks after start") << WindowId::Four << "Command18, Command19, Two1?Wrestler 1, Two2?Wrestler 3, loser2?Wrestler 4";
        QTest::newRow("four final") << WindowId::Four << "Four4=Bret, four2=Shawn, Command13, Label5?Winner: Shawn, -Four4, -four2, -Command12, -Command13";
        QTest::newRow("four grand final pick") << WindowId::Four << "Four4=Bret, four2=Shawn, Command13, ~400000, Command22, Label5?Winner: Bret, ~C00000, Command22, Label5?Winner: Shawn";
        QTest::newRow("four load, reset") << WindowId::Four << "four2=Shawn, Command13, load, -Four4, Label5?Winner: Shawn, Command16, Label5?VS., +Four4, +four2, +Command12, +Command13";
        QTest::newRow("eight picks after start") << WindowId::Eight << "mark, Command12, Command29, Command30, Command31, Command35, Command36, Command41, lblwinner5?<txtWrestler1>, lblLoser6?<txtWrestler3>, lblwinner6?<txtWrestler7>, lblLoser8?<txtWrestler5>, lblWinner7?<lblWinner7>";
        QTest::newRow("eight final, reset") << WindowId::Eight << "mark, Command28, Label1?<Label10>, +Label9, +Label10, +Command27, +Command28, Command39, Label9?<Label9>, Label10?<Label10>, Label1?<Label10>";
        QTest::newRow("sixteen losers' winner wins") << WindowId::Sixteen << "Command7, Command5, Command1, Label1?Winner: A Winner, Label3?Winner, +Label1, -Label2, -Label3, load, -Label2, Command39, +Label1, +Label2, +Label3, Label8?VS";
        QTest::newRow("sixteen winners' winner wins") << WindowId::Sixteen << "Command7, Command5, Command2, Command2, Label1?A Winner, Label3?Winner: Winner, -Label1, -Label2, +Label3";
        QTest::newRow("sixteen both Wins in turn") << WindowId::Sixteen << "Command7, Command5, Command1, Command2, Label1?Winner: A Winner, Label3?Winner: Winner, -Label1, -Label2, +Label3";
        QTest::newRow("sixteen and back again") << WindowId::Sixteen << "Command2, Command1, Command2, Command1, Label1?Winner: Losers Bracket Winner, Label3?Winner: Winner's Bracket Winner, +Label1, -Label2, -Label3";
        QTest::newRow("thirty-two final before the semi-finals") << WindowId::ThirtyTwo << "Command1, Label2?Winner: , Label6?, Label3?, -Label6, -Label3";
        QTest::newRow("thirty-two left finalist crowned, reset") << WindowId::ThirtyTwo << "final, Command1, Label2?Winner: Bret, Label6?Bret, Label3?Shawn, -Label6, -Label3, Command4, Label2?, +Label6, +Label3";
        QTest::newRow("thirty-two the later click counts") << WindowId::ThirtyTwo << "final, Command1, Command2, Label2?Winner: Shawn";
        QTest::newRow("thirty-two no doubled prefix") << WindowId::ThirtyTwo << "final, Command1, Command1, Label2?Winner: Bret";
        QTest::newRow("thirty-two semi-final after the final") << WindowId::ThirtyTwo << "final, Command1, Command5, Label2?Winner: Bret, Label6?Winner, Label3?Shawn";
        QTest::newRow("thirty-two played again after reset") << WindowId::ThirtyTwo << "final, Command1, Command4, final, Command2, Label2?Winner: Shawn, Label6?Bret, Label3?Shawn";
        // clang-format on
    }
    void finals()
    {
        QFETCH(WindowId, id);
        QFETCH(QString, steps);
        const BoardList &list = boardList(id);
        BoardFixture f(id);
        FreshGenerator fresh;
        steps.replace("final",
                      "txtWrestler1=Bret, wrestler17=Shawn, win1, win9, win13, Command6, "
                      "Command34, Command35, Command39, Command8");
        for (const QString &step : steps.split(", ")) {
            if (step == "mark")
                Wiring::mark(f.board, everySlot(f.board));
            else if (step == "load")
                f.load(Files::lines(QStringList(list.slots.size(), "x")));
            else if (step.startsWith('~'))
                FreshGenerator::nextValueWillBe(step.mid(1).toUInt(nullptr, 16));
            else if (step.startsWith('+') || step.startsWith('-'))
                QVERIFY2(shown(f.board, step.mid(1)) == step.startsWith('+'), qPrintable(step));
            else if (step.contains('?'))
                QCOMPARE(text(f.board, step.section('?', 0, 0)), step.section('?', 1));
            else if (step.contains('='))
                type(f.board, step.section('=', 0, 0), step.section('=', 1));
            else
                click(f.board, step);
        }
    }
};

QTEST_MAIN(TestBoards)
#include "tst_boards.moc"
