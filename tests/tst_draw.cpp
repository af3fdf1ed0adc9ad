// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing a field: seeding, byes, the shuffle, roster files, and Undo and Cancel of the draw.
#include "draw.h"
#include "matchgraph.h"
#include "roster.h"
#include "testsupport.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDialog>
#include <QPlainTextEdit>
#include <QRadioButton>

#ifdef Q_OS_UNIX
#    include <sys/stat.h>
#endif

using namespace Ui;

namespace {

enum Answer { Cancel, Ok, CtrlReturn };

void drawRow(const char *tag, WindowId id, int count, const char *way, const char *four = "")
{
    QTest::newRow(tag) << id << count << QString(way) << QString(four);
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
        m_board = static_cast<BoardWindow *>(m_program->openActive(id));
    }
    // Draws with what the dialog is given: names (none: those it offers), a way, the byes box,
    // and how it is closed. A queued file answer is first loaded as a roster.
    void draw(const QStringList &names, const char *way = "drawListed", bool advanceByes = true,
              Answer answer = Ok)
    {
        m_program->dialogs.fillIn = [&](QDialog &dialog) {
            auto *box = dialog.findChild<QPlainTextEdit *>("drawNames");
            auto *byes = dialog.findChild<QCheckBox *>("drawAdvanceByes");
            auto *chosen = dialog.findChild<QRadioButton *>(way);
            m_offered = dialog.focusWidget()->objectName() + ':'
                    + chosen->group()->checkedButton()->objectName()
                    + (byes->isChecked() ? "+byes" : "");
            if (!names.isEmpty())
                box->setPlainText(names.join('\n'));
            if (!m_program->dialogs.answers.isEmpty())
                click(&dialog, "drawLoadRoster");
            chosen->setChecked(true);
            byes->setChecked(advanceByes);
            m_shown = box->toPlainText() + '|'
                    + dialog.findChild<QPlainTextEdit *>("drawPreview")->toPlainText() + '|'
                    + text(&dialog, "drawCount");
            if (answer != CtrlReturn)
                return answer == Ok;
            dialog.show();
            // Without a window manager (Wine's null driver) nothing activates a window by itself.
            QApplication::setActiveWindow(&dialog);
            press(dialog.focusWidget(), QKeySequence("Ctrl+Return"));
            return dialog.result() == QDialog::Accepted;
        };
        press(m_board, QKeySequence("Ctrl+D"));
    }
    QStringList texts(const QStringList &slots) const
    {
        QStringList found;
        for (const QString &slot : slots)
            found << text(m_board, slot);
        return found;
    }

private Q_SLOTS:
    void cleanup() { m_program.reset(); }

    // Names S1, S2, ... drawn onto a board whose every slot is marked first; on the four-man
    // board, its whole slot list after the draw.
    void draws_data()
    {
        QTest::addColumn<WindowId>("id");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("way");
        QTest::addColumn<QString>("four");
        // A short field fills the upper contenders first, so that a bye meets a name while names
        // last. A bye sends the name on and itself to the losers' side, where two byes send one on.
        drawRow("four 3 listed", WindowId::Four, 3, "drawListed", "S1|S3|S2|BYE||S2|||BYE||||");
        drawRow("four 2 listed", WindowId::Four, 2, "drawListed",
                "S1|BYE|S2|BYE|S1|S2||BYE|BYE|BYE|||");
        drawRow("four 6 listed", WindowId::Four, 6, "drawListed", "S1|S2|S3|S4|||||||||");
        drawRow("four 3 seeded", WindowId::Four, 3, "drawSeeded", "S1|BYE|S2|S3|S1|||BYE|||||");
        drawRow("eight 5 seeded", WindowId::Eight, 5, "drawSeeded");
        drawRow("eight 6 shuffled", WindowId::Eight, 6, "drawShuffled");
        drawRow("sixteen 9 seeded", WindowId::Sixteen, 9, "drawSeeded");
        drawRow("sixteen 5 seeded", WindowId::Sixteen, 5, "drawSeeded");
        drawRow("thirty-two 28 seeded", WindowId::ThirtyTwo, 28, "drawSeeded");
        drawRow("thirty-two 17 listed", WindowId::ThirtyTwo, 17, "drawListed");
    }
    void draws()
    {
        QFETCH(WindowId, id);
        QFETCH(int, count);
        QFETCH(QString, way);
        QFETCH(QString, four);
        open(id);
        Wiring::mark(m_board, boardList(id).slots);
        draw(numbered("S", 1, count), qPrintable(way));
        const QStringList slots = texts(boardList(id).slots);
        if (!four.isEmpty())
            QCOMPARE(slots.join('|'), four);
        // With the better seed always winning, seeds s and places + 1 - s meet in every round.
        const QList<int> seeds
                = Drawing::seedingOrder(int(Board::entrySlots(m_board->table().bracket).size()));
        for (QList<int> round = seeds; round.size() > 1;) {
            QList<int> winners;
            for (qsizetype i = 0; i < round.size(); i += 2) {
                QCOMPARE(round[i] + round[i + 1], round.size() + 1);
                QVERIFY(round[i] < round[i + 1]);
                winners << round[i];
            }
            round = winners;
        }
        // Each seed goes where the order puts it, every board's bracket reading in file order; the
        // missing highest seeds are byes.
        QStringList seeded;
        for (int seed : seeds)
            seeded << (seed <= count ? QString("S%1").arg(seed) : "BYE");
        if (way == "drawSeeded")
            QCOMPARE(slots.mid(0, seeds.size()), seeded);
        // Every match of a bye and a name, or of two byes, is decided.
        for (const Board::Match &match : m_board->table().bracket.matches) {
            const QString upper = text(m_board, match.upper), lower = text(m_board, match.lower);
            const char *other = upper == "BYE" ? match.lower : match.upper;
            const QString name = text(m_board, other);
            if ((upper == "BYE" || lower == "BYE")
                && Board::holdsName(name, Board::openingText(m_board->table(), other)))
                QCOMPARE(text(m_board, match.winners[0]), name);
        }
    }

    // The shuffle takes one value for each name but the first; the preview shuffles on a copy of
    // the generator, so that OK draws the field it showed.
    void shuffleDrawsWhatThePreviewShowed()
    {
        QStringList pure {"A", "B", "C", "D"};
        const QList<float> values {0.5f, 0.99f, 0.2f};
        qsizetype draws = 0;
        Drawing::shuffle(pure, [&] { return values.value(draws++); });
        QCOMPARE(pure, QStringList({"B", "A", "D", "C"}));
        QCOMPARE(draws, 3);
        open(WindowId::ThirtyTwo);
        RandomGenerator replay = processRandom(); // the generator as the draw finds it
        draw(numbered("W", 1, 40), "drawShuffled", true, Cancel);
        QCOMPARE(processRandom().state(), replay.state());
        draw(numbered("W", 1, 40), "drawShuffled");
        QStringList field = numbered("W", 1, 40);
        Drawing::shuffle(field, [&] { return replay.nextValue(); });
        QCOMPARE(processRandom().state(), replay.state());
        QCOMPARE(texts(boardList(WindowId::ThirtyTwo).slots).mid(0, 32), field.mid(0, 32));
        QStringList round;
        for (int i = 0; i < 32; i += 2)
            round << field[i] + "  v  " + field[i + 1];
        QCOMPARE(m_shown.section('|', 1), round.join('\n') + "|32 names go in, 8 are left out.");
    }

    void rosterFiles_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("box"); // what the names box holds after the load
        QTest::newRow("# names, blanks, line ends")
                << QByteArray("#DIY\n\n  Hulk Hogan \r\n\t#1 Contender\r\nAndre\rRandy")
                << "#DIY\nHulk Hogan\n#1 Contender\nAndre\nRandy";
        QTest::newRow("utf-16 le")
                << QByteArray("\xFF\xFE#\0D\0\r\0\n\0\x01\x04\0\0", 12) << "#D\nЁ";
        QTest::newRow("utf-16 be") << QByteArray("\xFE\xFF\0R\0\xE9\0\n\0X", 10) << "Ré\nX";
        QTest::newRow("utf-8") << QByteArray("\xEF\xBB\xBF\xC3\x91"
                                             "and\xC3\xBA\n\xE2\x82\xAC")
                               << "Ñandú\n€";
        QTest::newRow("windows-1252") << QByteArray("Ren\xE9\r\n\x80uro\r\n") << "René\n€uro";
        QTest::newRow("binary") << QByteArray("MZ\x90\0\3\0\0\0", 8) << "Kept";
        QTest::newRow("over 1 MB") << QByteArray(Roster::MaxBytes + 1, 'a') << "Kept";
        QTest::newRow("no names") << QByteArray(" \t\n\r\n") << "Kept";
#ifdef Q_OS_UNIX
        QTest::newRow("a pipe") << QByteArray("<pipe>") << "Kept"; // never waited on
#endif
    }
    void rosterFiles()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, box);
        open(WindowId::Four);
        QTemporaryDir dir;
        const QString roster = dir.filePath("roster.txt");
        if (bytes != "<pipe>")
            Files::write(roster, bytes);
#ifdef Q_OS_UNIX
        else
            QCOMPARE(mkfifo(qPrintable(roster), 0600), 0);
#endif
        m_program->dialogs.answers.enqueue(roster);
        draw({"Kept"}, "drawListed", true, Cancel);
        QCOMPARE(m_shown.section('|', 0, 0), box);
        QCOMPARE(m_program->dialogs.messages.size(), box == "Kept" ? 1 : 0);

        QWidget *random = m_program->open(WindowId::Random);
        m_program->dialogs.answers.enqueue(roster);
        random->actions().constFirst()->trigger();
        if (box != "Kept")
            QCOMPARE(text(random, "Text2"), box.section('\n', 1, 1));
    }

    // A draw on a board played through to its champion makes the board a draw on a freshly opened
    // one makes, in all it shows and in its file; OK again at once changes nothing.
    void aDrawStartsANewTournament_data()
    {
        addBoards();
    }
    void aDrawStartsANewTournament()
    {
        QFETCH(WindowId, id);
        const BoardList &list = boardList(id);
        const auto drawn = [&](bool played) {
            open(id);
            for (int round = 0; played && round < 2; ++round)
                for (QAbstractButton *button : m_board->findChildren<QAbstractButton *>())
                    if (button->isVisibleTo(m_board)
                        && !QStringList {list.save, list.load, list.reset, list.back}.contains(
                                button->objectName()))
                        button->click();
            draw(numbered("S", 1, 5), "drawSeeded");
            const QString file = m_program->folders.filePath("drawn.txt");
            m_program->dialogs.answers.enqueue(file);
            press(m_board, QKeySequence("Ctrl+S"));
            return stateOf(m_board) << QString::fromUtf8(Files::read(file));
        };
        const QStringList fresh = drawn(false);
        QCOMPARE(drawn(true), fresh);
        draw({}, "drawSeeded");
        QCOMPARE(m_shown.section('|', 0, 0), "S1\nS2\nS3\nS4\nS5");
        QCOMPARE(stateOf(m_board), fresh.mid(0, fresh.size() - 1));
    }

    void dialogRemembersAndUndoRestores()
    {
        open(WindowId::ThirtyTwo);
        Wiring::mark(m_board, boardList(WindowId::ThirtyTwo).slots + QStringList {"Label2"});
        const QStringList before = stateOf(m_board);
        draw({}, "drawSeeded", false, CtrlReturn);
        QCOMPARE(m_offered, "drawNames:drawListed+byes"); // the first time
        QCOMPARE(text(m_board, "txtWrestler2"), "<wrestler32>"); // seed 32 of the names there
        QCOMPARE(text(m_board, "Label2"), "VS."); // a new tournament, on the board as it opened
        draw({}, "drawListed", true, Cancel); // on the board it drew: its list, as it drew it
        QCOMPARE(m_offered, "drawNames:drawSeeded");
        QCOMPARE(m_shown.section('|', 0, 0).section('\n', 0, 1), "<txtWrestler1>\n<txtWrestler2>");
        press(m_board, QKeySequence("Ctrl+Z"));
        draw(numbered("S", 1, 28), "drawSeeded", false);
        QCOMPARE(m_offered, "drawNames:drawListed+byes"); // as Cancel left it
        QCOMPARE(text(m_board, "winner1"), "Winner:"); // the byes wait
        draw({}, "drawSeeded", false, Cancel); // a new draw offers the names, not the byes
        QCOMPARE(m_shown.section('|', 2), "28 names go in, none left out; 4 byes.");
        press(m_board, QKeySequence("Ctrl+Shift+B"));
        QCOMPARE(text(m_board, "winner1"), "S1");
        press(m_board, QKeySequence("Ctrl+Z"));
        QCOMPARE(text(m_board, "winner1"), "Winner:");
        press(m_board, QKeySequence("Ctrl+Z"));
        QCOMPARE(stateOf(m_board), before);
    }
};

QTEST_MAIN(TestDraw)
#include "tst_draw.moc"
