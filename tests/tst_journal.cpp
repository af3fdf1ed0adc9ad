// SPDX-License-Identifier: GPL-3.0-or-later
// The boards' journal: its bytes are used only whole, each opening of a board keeps its bracket
// in a file of its own, ten at most, and a board comes back as it was left after Back or a killed
// program, as one step of Undo.
#include "journal.h"
#include "roundrobinwindow.h"
#include "testsupport.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QCryptographicHash>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProcess>
#include <QSpinBox>
#include <QTimer>

#ifdef Q_OS_UNIX
#    include <sys/stat.h>
#endif

using namespace Journal;
using namespace Ui;

namespace {

constexpr int ChildSteps = 10;

BoardWindow *open(TestProgram &program, WindowId id, const QString &folder)
{
    program.shell.setJournalFolder(folder);
    return static_cast<BoardWindow *>(program.openActive(id));
}

void leave(BoardWindow *board)
{
    click(board, board->table().backButton);
    TestProgram::settle();
}

// The Restore Bracket entries as the menu lists them when it opens (here the request for it,
// with the menu itself kept shut): "text" for each, "-" in front of a greyed one.
QStringList kept(QWidget *board)
{
    board->setContextMenuPolicy(Qt::PreventContextMenu);
    QContextMenuEvent menu(QContextMenuEvent::Mouse, {}, {});
    QCoreApplication::sendEvent(board, &menu);
    QStringList entries;
    for (QAction *entry : board->findChild<QMenu *>("restoreMenu")->actions())
        entries << (entry->isEnabled() ? "" : "-") + entry->text().section('\t', 0, 0);
    return entries;
}

// A name in every entry slot, then a click on every button but Save, Load, Reset and Back.
int play(QWidget *board, const QString &name = "Hart, \"%1\"")
{
    int names = 0;
    for (QLineEdit *slot : board->findChildren<QLineEdit *>())
        type(board, slot->objectName(), name.arg(++names));
    for (QAbstractButton *button : board->findChildren<QAbstractButton *>())
        if (button->isVisibleTo(board) && !QString("SaveLoadResetBack").contains(button->text()))
            button->click();
    return names;
}

// Runs in a child process: types on the sixteen-man board until it is killed.
int childSession()
{
    TestProgram program;
    QWidget *board
            = open(program, WindowId::Sixteen, qEnvironmentVariable("KAYFABE_JOURNAL_CHILD"));
    for (int step = 1; step <= ChildSteps; ++step) {
        type(board, QString("txtWrestler%1").arg(step), QString("Name %1").arg(step));
        QTest::qWait(100);
    }
    // Past the half second the journal may hold a change back, and past its write however slow
    // the machine: the kill may lose nothing older.
    QTest::qWait(1500);
    std::puts("ready");
    std::fflush(stdout);
    for (;;)
        QTest::qWait(1000);
}

} // namespace

class TestJournal : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_state;
    QString folder() const { return m_state->filePath("boards"); }

private Q_SLOTS:
    void init() { m_state = std::make_unique<QTemporaryDir>(); }
    void initTestCase() // the journal is turned off on request
    {
        QCOMPARE(Journal::folder({"kayfabe-kit", "--no-journal"}), QString());
        qputenv("KAYFABE_NO_JOURNAL", "1");
        QCOMPARE(Journal::folder({"kayfabe-kit"}), QString());
        qunsetenv("KAYFABE_NO_JOURNAL");
    }

    void onlyAWholeJournalIsUsed()
    {
        const BoardList &four = boardList(WindowId::Four);
        Layout layout {"four", four.slots, four.holders()};
        Entry entry {{}, QDateTime(QDate(2026, 1, 5), QTime(21, 14, 3, 120), Qt::UTC)};
        QStringList names
                = QString("Hart, Bret|\"Hitman\"| 007 |a\r\nb|Ñandú ✓|nul|#TRUE#|2E3").split('|');
        names[5] += QChar(0); // a name no text file can hold
        for (int line = 1; line <= four.slots.size(); ++line)
            entry.state.texts.insert(four.slots[line - 1], names.value(line - 1));
        entry.state.texts.insert("Label5", "Winner: a b%20c");
        entry.state.hidden = {{"Four4", true}, {"Command12", true}};
        entry.state.points = {{"Label5", 12}};
        QByteArray bytes = write(layout, entry);
        QCOMPARE(read(bytes, layout).entry->state, entry.state);
        QCOMPARE(read(bytes, layout).entry->left, entry.left);
        QBuffer device(&bytes); // Load reads it, but for the name no text file can hold
        device.open(QIODevice::ReadOnly);
        names[5] = "";
        QCOMPARE(BracketFile::read(device, layout.holders).values.mid(0, 8), names);

        for (qsizetype n = 0; n < bytes.size(); ++n) {
            QCOMPARE(read(bytes.left(n), layout).problem, Problem::Damaged);
            QByteArray changed = bytes;
            changed[n] = char(changed[n] ^ 0x20);
            QVERIFY2(!read(changed, layout).entry, qPrintable(QString::number(n)));
        }
        const qsizetype end = bytes.lastIndexOf("end ");
        QByteArray older = bytes.left(end).replace("journal 1 four", "journal 0 four");
        older += "end " + bytes.mid(end).split(' ')[1] + ' '
                + QCryptographicHash::hash(older, QCryptographicHash::Sha256).toHex() + "\r\n";
        QCOMPARE(read(older, layout).problem, Problem::OtherLayout);
        layout.board = "eight";
        QCOMPARE(read(bytes, layout).problem, Problem::OtherLayout);
#ifdef Q_OS_UNIX // nothing that is not a regular file is waited on or read without end
        QVERIFY(QDir().mkpath(folder()));
        QVERIFY(mkfifo(qPrintable(folder() + "/eight-pipe.txt"), 0600) == 0);
        QVERIFY(QFile::link("/dev/zero", folder() + "/eight-zero.txt"));
        const QList<Stored> damaged = stored(folder(), "eight");
        QVERIFY(damaged.size() == 2 && !readStored(damaged[0].path)
                && !readStored(damaged[1].path));
#endif
    }

    // Each board filled, left with Back and restored comes back as it was, and Undo empties it
    // again; a board left as it opened, or as a kept bracket holds it, keeps nothing new.
    void restoreBringsBackTheBoardLeftWithBack_data()
    {
        addBoards();
    }
    void restoreBringsBackTheBoardLeftWithBack()
    {
        QFETCH(WindowId, id);
        TestProgram program;
        BoardWindow *board = open(program, id, folder());
        QCOMPARE(kept(board), QStringList {"-No brackets kept yet"});
        const QStringList empty = stateOf(board);
        const int names = play(board);
        const QString first = boardList(id).slots.first();
        type(board, first, ""); // a blank entry slot is no name
        const QStringList played = stateOf(board);
        leave(board);
        board = open(program, id, folder());
        const QString opened = text(board, first);
        type(board, first, opened + "x"); // a letter typed and taken back: the board as it opened
        type(board, first, opened);
        leave(board);

        board = open(program, id, folder());
        const QStringList entries = kept(board);
        QCOMPARE(entries.size(), 1);
        QVERIFY2(QRegularExpression(
                         QString("^left today at \\d+:\\d\\d\\D*, %1 names$").arg(names - 1))
                         .match(entries[0])
                         .hasMatch(),
                 qPrintable(entries[0]));
        press(board, QKeySequence("Ctrl+Shift+T"));
        QCOMPARE(stateOf(board), played);
        QCOMPARE(kept(board), QStringList {'-' + entries[0]}); // the board holds it now
        leave(board); // as a kept bracket holds it: nothing new
        board = open(program, id, folder());
        QCOMPARE(kept(board).size(), 1);
        press(board, QKeySequence("Ctrl+Shift+T"));
        action(board, "Undo")->trigger();
        QCOMPARE(stateOf(board), empty);
    }

    // Every opening that changes a board keeps its own bracket, so two copies of the program at
    // once keep both; beyond ten the oldest goes, and a damaged one is listed greyed.
    void tenBracketsAreKept()
    {
        TestProgram one, two;
        BoardWindow *first = open(one, WindowId::Four, folder());
        BoardWindow *second = open(two, WindowId::Four, folder());
        type(first, "One", "Bret");
        one.dialogs.fillIn = [](QDialog &) { return true; }; // a new tournament: a new bracket
        action(first, "Draw the Field...")->trigger();
        action(first, "Draw the Field...")->trigger(); // the same field: nothing new to keep
        type(second, "One", "Shawn");
        leave(first);
        leave(second);
        QCOMPARE(QDir(folder()).entryList(QDir::Files).size(), 3);
        for (int opening = 3; opening <= 12; ++opening) {
            first = open(one, WindowId::Four, folder());
            type(first, "two", QString("Name %1").arg(opening));
            leave(first);
            // A file's time moves in steps of a few milliseconds: each bracket is left in a step
            // of its own, as a user's are, so that the newest is known.
            QTest::qWait(20);
        }
        const QStringList files = QDir(folder()).entryList(QDir::Files, QDir::Time);
        QCOMPARE(files.size(), MaxKept);
        Files::write(QDir(folder()).filePath(files.last()), "cut"); // the oldest
        first = open(one, WindowId::Four, folder());
        const QStringList entries = kept(first);
        QCOMPARE(entries.size(), MaxKept);
        QVERIFY(entries.contains("-A damaged bracket"));
        press(first, QKeySequence("Ctrl+Shift+T")); // the newest
        QCOMPARE(text(first, "two"), "Name 12");
        QCOMPARE(text(first, "One"), "Wrestler 1");
    }

    // The round robin keeps its states as the boards keep their brackets.
    void theRoundRobinComesBack()
    {
        TestProgram program;
        program.shell.setJournalFolder(folder());
        auto *window = static_cast<RoundRobinWindow *>(program.openActive(WindowId::RoundRobin));
        program.dialogs.fillIn = [](QDialog &dialog) {
            dialog.findChild<QPlainTextEdit *>("rrNames")->setPlainText("Ace\nBlaze\nCobra");
            dialog.findChild<QSpinBox *>("rrBlockCount")->setValue(1);
            return true;
        };
        press(window, QKeySequence("Ctrl+D"));
        window->decideNightAtRandom(0);
        const RoundRobin::File left = window->file();
        click(window, "cmdBack");
        TestProgram::settle();
        window = static_cast<RoundRobinWindow *>(program.openActive(WindowId::RoundRobin));
        QVERIFY(kept(window).value(0).startsWith("left today at"));
        press(window, QKeySequence("Ctrl+Shift+T"));
        QCOMPARE(window->file(), left);
    }

    void aKilledProgramLosesNothingOlderThanHalfASecond()
    {
        QProcess child;
        qputenv("KAYFABE_JOURNAL_CHILD", folder().toUtf8());
        child.start(QCoreApplication::applicationFilePath(), {});
        qunsetenv("KAYFABE_JOURNAL_CHILD");
        while (!child.canReadLine())
            QVERIFY(child.waitForReadyRead(-1));
        QCOMPARE(child.readLine().trimmed(), "ready"); // CR LF on Windows
        child.kill(); // SIGKILL: no chance to write anything more
        child.waitForFinished();

        TestProgram program;
        BoardWindow *board = open(program, WindowId::Sixteen, folder());
        press(board, QKeySequence("Ctrl+Shift+T"));
        QStringList names;
        for (const QString &slot : numbered("txtWrestler", 1, ChildSteps))
            names << text(board, slot);
        QCOMPARE(names, numbered("Name ", 1, ChildSteps));
    }

    void anUnwritableFolderLeavesTheBoardWorking()
    {
        Files::write(m_state->filePath("file"), "not a folder");
        TestProgram program;
        BoardWindow *board = open(program, WindowId::Four, m_state->filePath("file/boards"));
        const QRegularExpression warning("^kayfabe-kit: could not keep the four board's last");
        QTest::ignoreMessage(QtWarningMsg, warning); // once, and only once
        QTest::failOnWarning(warning);
        auto *timer = board->findChild<QTimer *>("journalTimer");
        for (const char *name : {"Hart", "Bret"}) { // each change starts the timer
            type(board, "One", name);
            QVERIFY(timer->isActive());
            tick(timer);
        }
        click(board, "Command3");
        QCOMPARE(text(board, "Two1"), "Bret");
        leave(board);
    }
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (qEnvironmentVariableIsSet("KAYFABE_JOURNAL_CHILD"))
        return childSession();
    TestJournal test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_journal.moc"
