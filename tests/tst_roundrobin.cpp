// SPDX-License-Identifier: GPL-3.0-or-later
// Round-robin blocks: the schedule, the standings and their tie-breaks, drawing the blocks, the
// random result, the file, and the window: its keys, Undo, Save and Load, and the leaders sent on
// to a bracket board.
#include "roundrobinwindow.h"
#include "testsupport.h"

#include <QApplication>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTreeView>

using namespace RoundRobin;
using namespace Ui;

namespace {

// Results as "1>2" (the first beat the second) and "3=4" (they drew), places from 1.
Tournament played(int size, const QString &results)
{
    Tournament tournament({numbered("W", 1, size)});
    for (const QString &match : results.split(' ', Qt::SkipEmptyParts)) {
        const QStringList places = match.split(QRegularExpression("[>=]"));
        tournament.setResult(0, places[0].toInt() - 1, places[1].toInt() - 1,
                             match.contains('>') ? Result::FirstWon : Result::Drawn);
    }
    return tournament;
}

} // namespace

class TestRoundRobin : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestProgram> m_program;
    RoundRobinWindow *m_window = nullptr;

    void open()
    {
        m_program = std::make_unique<TestProgram>();
        m_window = static_cast<RoundRobinWindow *>(m_program->openActive(WindowId::RoundRobin));
    }
    // Draws the blocks from the names in the dialog, or cancels it.
    void drawIn(const QStringList &names, int blocks, int perBlock, const char *way, bool ok = true)
    {
        m_program->dialogs.fillIn = [&](QDialog &dialog) {
            dialog.findChild<QPlainTextEdit *>("rrNames")->setPlainText(names.join('\n'));
            dialog.findChild<QSpinBox *>("rrBlockCount")->setValue(blocks);
            dialog.findChild<QSpinBox *>("rrPerBlock")->setValue(perBlock);
            dialog.findChild<QRadioButton *>(way)->setChecked(true);
            return ok;
        };
        press(m_window, QKeySequence("Ctrl+D"));
    }

private Q_SLOTS:
    void cleanup() { m_program.reset(); }

    void scheduleMeetsEveryPairOnce_data()
    {
        QTest::addColumn<int>("size");
        for (int size = SmallestBlock; size <= LargestBlock; ++size)
            QTest::addRow("%d wrestlers", size) << size;
    }
    void scheduleMeetsEveryPairOnce()
    {
        QFETCH(int, size);
        const QList<QList<Pairing>> nights = schedule(size);
        QCOMPARE(nights.size(), size - 1 + size % 2);
        QSet<std::pair<int, int>> met;
        for (const QList<Pairing> &night : nights) {
            QSet<int> wrestling;
            for (const Pairing &pairing : night) {
                QVERIFY(!wrestling.contains(pairing.first) && !wrestling.contains(pairing.second));
                wrestling << pairing.first << pairing.second;
                met << std::minmax(pairing.first, pairing.second);
            }
            QCOMPARE(wrestling.size(), size - size % 2); // one rests when the block is odd
        }
        QCOMPARE(met.size(), size * (size - 1) / 2);
    }

    void standingsBreakTies_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<QString>("results");
        QTest::addColumn<QString>("order"); // places from 1, the leader first
        QTest::newRow("points") << 4 << "1>2 1>3 1>4 2>3 2>4 3>4"
                                << "1 2 3 4";
        QTest::newRow("two level, head to head") << 4 << "2>1 1>3 1>4 2>3 4>2 3=4"
                                                 << "2 1 4 3";
        QTest::newRow("three level, head to head") << 5 << "1>2 1>3 2>3 2>4 2>5 3>5 4>1 4>3 5>1 5>4"
                                                   << "2 5 4 1 3";
        QTest::newRow("level head to head, wins") << 4 << "1=2 1=3 1=4 2>3 4>2 4>3"
                                                  << "4 2 1 3";
        QTest::newRow("three level in all, draw order") << 4 << "1>2 2>3 3>1 1>4 2>4 3>4"
                                                        << "1 2 3 4";
    }
    void standingsBreakTies()
    {
        QFETCH(int, size);
        QFETCH(QString, results);
        QStringList order;
        const QList<Standing> table = played(size, results).standings(0);
        for (const Standing &row : table)
            order << QString::number(row.place + 1);
        QTEST(order.join(' '), "order");
        QCOMPARE(table[0].points, 2 * table[0].wins + table[0].draws);
    }

    // Snake seeding goes A B C D, then back; a shuffle is the boards' shuffle, then as listed.
    void drawingTheBlocks()
    {
        const QStringList twelve = numbered("S", 1, 12);
        FreshGenerator fresh;
        QCOMPARE(*drawBlocks(twelve, 4, 3, Placing::Snake, processRandom()),
                 QList<QStringList>({{"S1", "S8", "S9"},
                                     {"S2", "S7", "S10"},
                                     {"S3", "S6", "S11"},
                                     {"S4", "S5", "S12"}}));
        QCOMPARE(*drawBlocks(numbered("N", 1, 7), 2, 3, Placing::Shuffled, processRandom()),
                 QList<QStringList>({{"N7", "N6", "N1"}, {"N2", "N3", "N4"}}));
        QCOMPARE(drawBlocks(twelve, 2, 4, Placing::Listed, processRandom())->at(1),
                 twelve.mid(4, 4));
        QVERIFY(!drawBlocks(twelve.mid(0, 8), 2, 6, Placing::Listed, processRandom())); // B: 2
    }

    void randomResultAtTheBoundaries_data()
    {
        QTest::addColumn<quint32>("x"); // the generator's next value is x / 2^24
        QTest::addColumn<Result>("result");
        QTest::newRow("0") << 0u << Result::FirstWon;
        QTest::newRow("just under 8.5") << 7130316u << Result::FirstWon;
        QTest::newRow("just over 8.5") << 7130317u << Result::SecondWon;
        QTest::newRow("17.49") << 14680063u << Result::SecondWon;
        QTest::newRow("17.5 rounds to 18") << 14680064u << Result::Drawn;
        QTest::newRow("20") << 16777215u << Result::Drawn;
    }
    void randomResultAtTheBoundaries()
    {
        QFETCH(quint32, x);
        FreshGenerator fresh;
        FreshGenerator::nextValueWillBe(x);
        QTEST(randomResult(processRandom()), "result");
    }

    void fileRoundTrip()
    {
        File file {"Summer Blocks 2026",
                   Tournament({{"Renée", "€uro", "大和"}, {"Борис", "a [b] c", "عمر", "X"}})};
        file.tournament.setResult(0, 0, 2, Result::FirstWon);
        file.tournament.setResult(1, 3, 1, Result::Drawn);
        const QByteArray bytes = write(file);
        QVERIFY(bytes.startsWith("Kayfabe Kit round robin 1\r\nEvent: Summer Blocks 2026\r\n"));
        QVERIFY(bytes.contains("[Results]\r\nA: 1 beat 3\r\nB: 4 drew 2\r\n"));
        QCOMPARE(read(bytes).file, file);
        // As written by hand: a byte-order mark and LF line ends, or in Windows-1252.
        QCOMPARE(read("\xEF\xBB\xBF" + QByteArray(bytes).replace("\r\n", "\n")).file, file);
        QCOMPARE(read("Kayfabe Kit round robin 1\n[Block A]\nRen\xE9"
                      "e\n\x80uro\nX\n")
                         .file->tournament.blocks()[0],
                 QStringList({"Renée", "€uro", "X"}));
    }

    void refusedFiles_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("error");
        const QByteArray start = "Kayfabe Kit round robin 1\n[Block A]\nA\nB\nC\n";
        QTest::newRow("version") << QByteArray("Kayfabe Kit round robin 2\n") << "Line 1: a round";
        QTest::newRow("no header") << QByteArray("A\nB\n") << "Line 1: not a round-robin file";
        QTest::newRow("block of 2") << QByteArray("Kayfabe Kit round robin 1\n[Block A]\nA\nB\n")
                                    << "Line 2: block A holds 2";
        QTest::newRow("block of 13") << "Kayfabe Kit round robin 1\n[Block A]\n"
                        + numbered("W", 1, 13).join('\n').toUtf8()
                                     << "Line 2: block A holds 13";
        QTest::newRow("5 blocks") << start
                        + "[Block B]\nD\nE\nF\n[Block C]\nG\nH\nI\n[Block D]\nJ\n"
                          "K\nL\n[Block E]\n"
                                  << "Line 18: a round robin holds at most 4";
        QTest::newRow("out of order") << start + "[Block C]\n"
                                      << "Line 6: \"[Block C]\" where";
        QTest::newRow("no such place") << start + "[Results]\nA: 1 beat 4\n"
                                       << "Line 7: block A has no wrestler 4";
        QTest::newRow("himself") << start + "[Results]\nA: 2 beat 2\n"
                                 << "Line 7: a wrestler cannot";
        QTest::newRow("twice") << start + "[Results]\nA: 1 beat 2\nA: 2 drew 1\n"
                               << "Line 8: the match of A 1 and 2";
        QTest::newRow("no such block") << start + "[Results]\nB: 1 beat 2\n"
                                       << "Line 7: there is no block B";
    }
    void refusedFiles()
    {
        QFETCH(QByteArray, bytes);
        const ReadResult result = read(bytes);
        QVERIFY(!result.file);
        QFETCH(QString, error);
        QVERIFY2(result.error.startsWith(error), qPrintable(result.error));
    }

    // Every decision, by key or button, and every draw of the blocks is one step of Undo; Random
    // Night decides the night's unplayed matches in list order, one draw each.
    void decidingAndUndo()
    {
        open();
        drawIn(numbered("S", 1, 10), 2, 5, "rrSnake", false); // cancelled
        QCOMPARE(m_window->file(), File {});
        drawIn(numbered("S", 1, 10), 2, 5, "rrSnake");
        QCOMPARE(m_window->file().tournament.blocks(),
                 QList<QStringList>(
                         {{"S1", "S4", "S5", "S8", "S9"}, {"S2", "S3", "S6", "S7", "S10"}}));
        auto *schedule = m_window->findChild<QTreeView *>("treeSchedule");
        const auto select = [&](int night, int match) {
            schedule->setCurrentIndex(
                    schedule->model()->index(match, 0, schedule->model()->index(night, 0)));
        };
        const Tournament &t = m_window->file().tournament;
        select(0, 0);
        const Match first = *m_window->selectedMatch();
        const QList<std::pair<const char *, Result>> keys {{"1", Result::FirstWon},
                                                           {"2", Result::SecondWon},
                                                           {"D", Result::Drawn},
                                                           {"Del", Result::Unplayed}};
        for (const auto &[key, result] : keys) {
            press(schedule, QKeySequence(key));
            QCOMPARE(t.result(first), result);
        }
        click(m_window, "cmdSecondWins");
        QCOMPARE(t.result(first), Result::SecondWon);
        FreshGenerator fresh;
        FreshGenerator::nextValueWillBe(16777215); // a draw
        press(schedule, QKeySequence("R"));
        QCOMPARE(t.result(first), Result::Drawn);
        select(1, 1);
        RandomGenerator replay = processRandom();
        press(m_window, QKeySequence("Ctrl+R"));
        for (const Match &match : t.matchesOfNight(1))
            QCOMPARE(t.result(match), randomResult(replay));
        QCOMPARE(t.played(), 5);
        press(m_window, QKeySequence("Ctrl+Z"));
        QCOMPARE(t.played(), 1);
        for (int step = 0; step < 7; ++step)
            press(m_window, QKeySequence("Ctrl+Z"));
        QCOMPARE(t.blocks().size(), 0); // back before the draw
        press(m_window, QKeySequence("Ctrl+Y"));
        QCOMPARE(t.blocks().size(), 2);
    }

    // Save and Load, a file refused without a change, and every control named for a screen reader.
    void savingLoadingAndNames()
    {
        open();
        drawIn({"Ace", "Blaze", "Cobra", "Duke"}, 1, 4, "rrListed");
        m_window->decide(m_window->file().tournament.matches().first(), Result::FirstWon);
        const QString path = m_program->folders.filePath("Documents/blocks.txt");
        m_program->dialogs.answers << path << path;
        press(m_window, QKeySequence("Ctrl+S"));
        const File saved = m_window->file();
        drawIn({"Edge", "Fang", "Ghost"}, 1, 3, "rrListed");
        press(m_window, QKeySequence("Ctrl+O"));
        QCOMPARE(m_window->file(), saved);
        const QByteArray bytes = Files::read(path);
        Files::write(path, bytes.left(bytes.indexOf("Cobra")));
        m_program->dialogs.answers << path;
        press(m_window, QKeySequence("Ctrl+O"));
        QCOMPARE(m_window->file(), saved);
        QVERIFY(m_program->dialogs.messages.last().text.contains("Line 2: block A holds 2"));
        for (QWidget *control : m_window->findChildren<QWidget *>())
            if (control->focusPolicy() != Qt::NoFocus && control->isVisibleTo(m_window)
                && !qobject_cast<QTabBar *>(control))
                QVERIFY2(!control->accessibleName().isEmpty(), qPrintable(control->objectName()));
    }

    // The leaders go to a board's draw, seeded: every block's winner, then every second.
    void leadersGoOnToABracket()
    {
        open();
        drawIn(numbered("S", 1, 6), 2, 3, "rrListed");
        for (const Match &match : m_window->file().tournament.matches())
            m_window->decide(match, Result::SecondWon);
        QString offered;
        m_program->dialogs.fillIn = [&](QDialog &dialog) {
            if (auto *count = dialog.findChild<QComboBox *>("rrLeadersCount")) {
                count->setCurrentText("2");
                return true;
            }
            offered = dialog.findChild<QPlainTextEdit *>("drawNames")->toPlainText()
                    + (dialog.findChild<QRadioButton *>("drawSeeded")->isChecked() ? "|seeded"
                                                                                   : "");
            return true;
        };
        m_window->findChild<QAbstractButton *>("cmdSendLeaders")->click();
        TestProgram::settle();
        QWidget *board = m_program->windows().instance(WindowId::Four);
        while (offered.isEmpty())
            QTest::qWait(10);
        QVERIFY(!m_program->windows().isLoaded(WindowId::RoundRobin));
        QCOMPARE(offered, "S3\nS6\nS2\nS5|seeded");
        QCOMPARE(text(board, "One") + ' ' + text(board, "two"), "S3 S5");
    }
};

QTEST_MAIN(TestRoundRobin)
#include "tst_roundrobin.moc"
