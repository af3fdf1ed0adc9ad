// Drawing a field: seeding, byes, the shuffle, roster files, and Undo and Cancel of the draw.
#include "boardlists.h"
#include "boardwindow.h"
#include "draw.h"
#include "matchgraph.h"
#include "roster.h"
#include "testsupport.h"

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>

using namespace Ui;

namespace {

enum Answer { Cancel, Ok, CtrlReturn };

const QKeySequence DrawKey(Qt::CTRL | Qt::Key_D), ByesKey(Qt::CTRL | Qt::SHIFT | Qt::Key_B),
        UndoKey(Qt::CTRL | Qt::Key_Z);

QStringList numbered(const QString &stem, int count)
{
    QStringList names;
    for (int n = 1; n <= count; ++n)
        names << stem + QString::number(n);
    return names;
}

} // namespace

class TestDraw : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestProgram> m_program;
    BoardWindow *m_board = nullptr;
    QString m_shown; // what the dialog's box, preview and count line held when it closed
    QString m_offered; // the focus, the way and the byes box the dialog opened with

    void open(WindowId id)
    {
        m_program = std::make_unique<TestProgram>();
        m_board = static_cast<BoardWindow *>(m_program->open(id));
        QVERIFY(QTest::qWaitFor([&] { return !m_board->actions().isEmpty(); })); // keys made
    }
    // Draws with what the dialog is given: names (none: those it offers, or a roster to load), a
    // way, the byes box, and how it is closed.
    void draw(const QStringList &names, const char *way = "drawListed", bool advanceByes = true,
              Answer answer = Ok, const QString &roster = {})
    {
        m_program->dialogs.fillIn = [&](QDialog &dialog) {
            auto *box = dialog.findChild<QPlainTextEdit *>("drawNames");
            auto *byes = dialog.findChild<QCheckBox *>("drawAdvanceByes");
            m_offered = byes->isChecked() ? "+byes" : "";
            for (auto *button : dialog.findChildren<QRadioButton *>())
                m_offered.prepend(button->isChecked() ? button->objectName() : "");
            m_offered.prepend(dialog.focusWidget()->objectName() + ":");
            if (!names.isEmpty())
                box->setPlainText(names.join('\n'));
            if (!roster.isEmpty()) {
                m_program->dialogs.answers.enqueue(roster);
                click(&dialog, "drawLoadRoster");
            }
            dialog.findChild<QRadioButton *>(way)->setChecked(true);
            byes->setChecked(advanceByes);
            m_shown = box->toPlainText() + "|"
                    + dialog.findChild<QPlainTextEdit *>("drawPreview")->toPlainText() + "|"
                    + dialog.findChild<QLabel *>("drawCount")->text();
            if (answer != CtrlReturn)
                return answer == Ok;
            dialog.show();
            // Without a window manager (Wine's null driver) nothing activates a window by itself.
            QApplication::setActiveWindow(&dialog);
            if (!QTest::qWaitFor([&] { return dialog.isActiveWindow(); }))
                return false;
            QTest::keyClick(dialog.focusWidget(), Qt::Key_Return, Qt::ControlModifier);
            return dialog.result() == QDialog::Accepted;
        };
        press(DrawKey);
    }
    void press(const QKeySequence &keys)
    {
        m_board->activateWindow();
        QVERIFY(QTest::qWaitFor([&] { return m_board->isActiveWindow(); }));
        m_board->setFocus();
        QTest::keySequence(m_board, keys);
    }
    QString text(const char *slot) const { return m_board->slot(slot).text(); }
    QStringList texts(const std::vector<const char *> &slots) const
    {
        QStringList found;
        for (const char *slot : slots)
            found << text(slot);
        return found;
    }
    std::vector<const char *> entries() const { return Board::entrySlots(m_board->table()); }
    static void addBoards()
    {
        QTest::addColumn<WindowId>("id");
        for (const BoardList &list : boardLists())
            QTest::newRow(list.tag) << list.id;
    }

private Q_SLOTS:
    void cleanup() { m_program.reset(); }

    // With the higher seed always winning, round r pairs s with 2^(k-r+1) + 1 - s, up to 1 v 2.
    void seedsMeetAsSeeded_data() { addBoards(); }
    void seedsMeetAsSeeded()
    {
        QFETCH(WindowId, id);
        open(id);
        const int places = int(entries().size());
        draw(numbered("S", places), "drawSeeded", false);
        QCOMPARE(Drawing::seedingOrder(8), QList<int>({1, 8, 4, 5, 2, 7, 3, 6}));
        QStringList expected;
        for (int seed : Drawing::seedingOrder(places))
            expected << "S" + QString::number(seed);
        QCOMPARE(texts(entries()), expected); // every board's bracket reads in file order
        QSet<QString> loserSlots;
        for (const Board::Match &match : m_board->table().matches)
            loserSlots << match.loser;
        const auto seed = [&](const char *slot) {
            return loserSlots.contains(slot) || !text(slot).startsWith('S')
                    ? 0
                    : text(slot).mid(1).toInt();
        };
        for (int sum = places + 1; sum >= 3; sum = (sum + 1) / 2) {
            QList<const Board::Match *> round;
            for (const Board::Match &match : m_board->table().matches) {
                if (seed(match.upper) && seed(match.lower) && text(match.winners[0]).isEmpty())
                    round << &match;
            }
            for (const Board::Match *match : round) {
                QCOMPARE(seed(match->upper) + seed(match->lower), sum);
                m_board->advance(*match, seed(match->upper) < seed(match->lower));
            }
        }
        QStringList meetings;
        for (const Board::Final &final : m_board->table().finals)
            meetings << text(final.upper) + text(final.lower);
        for (const Board::Match &match : m_board->table().matches)
            meetings << text(match.upper) + text(match.lower);
        QVERIFY(meetings.contains("S1S2") || meetings.contains("S2S1"));
    }

    void byesGoToTheTopSeedsAndAreAdvanced_data()
    {
        QTest::addColumn<WindowId>("id");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("way");
        QTest::newRow("four 3 seeded") << WindowId::Four << 3 << "drawSeeded";
        QTest::newRow("four 2 listed") << WindowId::Four << 2 << "drawListed";
        QTest::newRow("eight 5 seeded") << WindowId::Eight << 5 << "drawSeeded";
        QTest::newRow("eight 6 shuffled") << WindowId::Eight << 6 << "drawShuffled";
        QTest::newRow("sixteen 9 seeded") << WindowId::Sixteen << 9 << "drawSeeded";
        QTest::newRow("sixteen 5 seeded") << WindowId::Sixteen << 5 << "drawSeeded";
        QTest::newRow("thirty-two 28 seeded") << WindowId::ThirtyTwo << 28 << "drawSeeded";
        QTest::newRow("thirty-two 17 listed") << WindowId::ThirtyTwo << 17 << "drawListed";
    }
    void byesGoToTheTopSeedsAndAreAdvanced()
    {
        QFETCH(WindowId, id);
        QFETCH(int, count);
        QFETCH(QString, way);
        open(id);
        const int places = int(entries().size());
        draw(numbered("S", count), qPrintable(way));
        QCOMPARE(texts(entries()).count("BYE"), places - count);
        QStringList facingByes, undecided;
        for (const Board::Match &match : m_board->table().matches) {
            const QString upper = text(match.upper), lower = text(match.lower);
            if (upper == "BYE" || lower == "BYE") {
                const QString other = upper == "BYE" ? lower : upper;
                if (!other.isEmpty() && text(match.winners[0]) != other)
                    undecided << match.title;
                if (other.startsWith('S')
                    && qobject_cast<QLineEdit *>(m_board->widget(match.upper)))
                    facingByes << other;
            }
        }
        QCOMPARE(undecided, QStringList());
        if (count * 2 >= places)
            QCOMPARE(facingByes.size(), places - count);
        const QStringList top = numbered("S", std::min(places - count, count));
        if (way == "drawSeeded")
            QCOMPARE(QSet<QString>(facingByes.begin(), facingByes.end()),
                     QSet<QString>(top.begin(), top.end()));
    }

    void shortAndLongListsFillInOrder()
    {
        open(WindowId::Four);
        draw({"A", "B", "C"});
        QCOMPARE(texts({"One", "two", "three", "four", "Two1", "Two2"}),
                 QStringList({"A", "C", "B", "BYE", "", "B"}));
        draw({"A", "B", "C", "D", "E", "F"});
        QCOMPARE(texts(entries()), QStringList({"A", "B", "C", "D"}));
        QCOMPARE(m_shown.section('|', 1), "A  v  B\nC  v  D|4 names go in, 2 are left out.");
    }

    void shuffleReplaysWithTheSameClicks()
    {
        QStringList pure {"A", "B", "C", "D"};
        QList<float> values {0.5f, 0.99f, 0.2f};
        Drawing::shuffle(pure, [&] { return values.takeFirst(); });
        QCOMPARE(pure, QStringList({"B", "A", "D", "C"}));
        QStringList boards[3];
        for (int run = 0; run < 3; ++run) {
            FreshGenerator fresh;
            open(WindowId::ThirtyTwo);
            if (run == 2)
                processRandom().nextValue();
            const quint32 before = processRandom().state();
            draw(numbered("W", 40), "drawShuffled", true, Cancel);
            QCOMPARE(processRandom().state(), before); // the preview draws on a copy
            draw(numbered("W", 40), "drawShuffled");
            boards[run] = texts(entries());
            RandomGenerator expected;
            expected.setState(before);
            for (int draws = 0; draws < 39; ++draws) // one for each name but the first
                expected.nextValue();
            QCOMPARE(processRandom().state(), expected.state());
            QVERIFY(m_shown.section('|', 1).startsWith(boards[run][0] + "  v  " + boards[run][1]));
        }
        QCOMPARE(boards[0], boards[1]);
        QVERIFY(boards[0] != boards[2]);
    }

    void rosterFiles_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("box"); // what the names box holds after the load
        QTest::newRow("comments, blanks, line ends")
                << QByteArray("# cards\n\n  Hulk Hogan \r\n\t# out\r\nAndre\rRandy")
                << "Hulk Hogan\nAndre\nRandy";
        QTest::newRow("utf-8") << QByteArray("\xEF\xBB\xBF\xC3\x91"
                                             "and\xC3\xBA\n\xE2\x82\xAC")
                               << "Ñandú\n€";
        QTest::newRow("windows-1252") << QByteArray("Ren\xE9\r\n\x80uro\r\n") << "René\n€uro";
        QTest::newRow("binary") << QByteArray("MZ\x90\0\3\0\0\0", 8) << "Kept";
        QTest::newRow("over 1 MB") << QByteArray(Roster::MaxBytes + 1, 'a') << "Kept";
        QTest::newRow("no names") << QByteArray("# only\n\n") << "Kept";
    }
    void rosterFiles()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, box);
        open(WindowId::Four);
        QTemporaryDir dir;
        Files::write(dir.filePath("roster.txt"), bytes);
        draw({"Kept"}, "drawListed", true, Cancel, dir.filePath("roster.txt"));
        QCOMPARE(m_shown.section('|', 0, 0), box);
        QCOMPARE(m_program->dialogs.messages.size(), box == "Kept" ? 1 : 0);
        QCOMPARE(text("One"), "Wrestler 1"); // Cancel changes nothing

        QWidget *random = m_program->open(WindowId::Random);
        m_program->dialogs.answers.enqueue(dir.filePath("roster.txt"));
        random->actions().constFirst()->trigger();
        if (box != "Kept")
            QCOMPARE(Ui::text(random, "Text2"), box.section('\n', 1, 1));
    }

    void dialogRemembersAndUndoRestores()
    {
        open(WindowId::ThirtyTwo);
        Wiring::mark(m_board, boardList(WindowId::ThirtyTwo).slots + QStringList {"Label2"});
        const QStringList before
                = texts(entries()) + QStringList({text("winner1"), text("Label2")});
        draw({}, "drawSeeded", false, CtrlReturn);
        QCOMPARE(m_offered, "drawNames:drawListed+byes"); // the first time
        QCOMPARE(text("txtWrestler2"), "<wrestler32>"); // seed 32 of the names already there
        QCOMPARE(text("winner1"), "");
        QCOMPARE(text("Label2"), "<Label2>"); // the champion line stays
        draw(numbered("S", 28), "drawListed", true, Cancel);
        QCOMPARE(m_offered, "drawNames:drawSeeded"); // as left
        QCOMPARE(text("txtWrestler2"), "<wrestler32>");
        draw(numbered("S", 28), "drawSeeded", false);
        draw({}, "drawSeeded", false, Cancel); // a new draw offers the names, not the byes
        QCOMPARE(m_shown.section('|', 2), "28 names go in, none left out; 4 byes.");
        press(ByesKey);
        QCOMPARE(text("winner1"), "S1");
        press(UndoKey);
        QCOMPARE(text("winner1"), "");
        press(UndoKey);
        press(UndoKey);
        QCOMPARE(texts(entries()) + QStringList({text("winner1"), text("Label2")}), before);
    }
};

QTEST_MAIN(TestDraw)
#include "tst_draw.moc"
