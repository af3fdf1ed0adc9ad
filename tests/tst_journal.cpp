// SPDX-License-Identifier: GPL-3.0-or-later
// The boards' journal: its bytes are used only whole, and a board comes back as it was left after
// Back or a killed program, as one step of Undo.
#include "journal.h"
#include "testsupport.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QCryptographicHash>
#include <QProcess>
#include <QTimer>

using namespace Journal;
using namespace Ui;

namespace {

constexpr int ChildSteps = 10;

BoardWindow *open(TestProgram &program, WindowId id, const QString &folder = Journal::folder({}))
{
    program.shell.setJournalFolder(folder);
    return static_cast<BoardWindow *>(program.openActive(id));
}

void leave(BoardWindow *board)
{
    click(board, board->table().backButton);
    TestProgram::settle();
}

// A name in every entry slot, then a click on every button but Save, Load, Reset and Back.
int play(QWidget *board)
{
    int names = 0;
    for (QLineEdit *slot : board->findChildren<QLineEdit *>())
        type(board, slot->objectName(), QString("Hart, \"%1\"").arg(++names));
    for (QAbstractButton *button : board->findChildren<QAbstractButton *>())
        if (button->isVisibleTo(board) && !QString("SaveLoadResetBack").contains(button->text()))
            button->click();
    return names;
}

// Runs in a child process: types on the sixteen-man board until it is killed.
int childSession()
{
    TestProgram program;
    QWidget *board = open(program, WindowId::Sixteen);
    for (int step = 1; step <= ChildSteps; ++step) {
        type(board, QString("txtWrestler%1").arg(step), QString("Name %1").arg(step));
        QTest::qWait(100);
    }
    std::puts("ready");
    std::fflush(stdout);
    for (;;)
        QTest::qWait(1000);
}

} // namespace

class TestJournal : public QObject
{
    Q_OBJECT

    QTemporaryDir m_state;

private Q_SLOTS:
    void init() { QDir(Journal::folder({})).removeRecursively(); }
    void initTestCase() // and the journal is turned off on request
    {
        qputenv("XDG_STATE_HOME", m_state.path().toUtf8());
#ifndef Q_OS_WIN // which keeps it in the local application data folder
        QCOMPARE(Journal::folder({"kayfabe-kit"}), m_state.filePath("kayfabe-kit/boards"));
#endif
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
    }

    void restoreBringsBackTheBoardLeftWithBack_data()
    {
        addBoards();
    }
    void restoreBringsBackTheBoardLeftWithBack()
    {
        QFETCH(WindowId, id);
        TestProgram program;
        BoardWindow *board = open(program, id);
        QAction *restore = action(board, "Restore Last Bracket");
        QVERIFY(!restore->isEnabled());
        const QStringList empty = stateOf(board);
        const int names = play(board);
        const QString first = boardList(id).slots.first();
        type(board, first, ""); // a blank entry slot is no name
        const QStringList played = stateOf(board);
        const QString path = Journal::path(Journal::folder({}), board->table().id);
        leave(board);
        // A damaged journal is not used, and a board left unchanged keeps it.
        const QByteArray journal = Files::read(path);
        Files::write(path, journal.chopped(1));
        board = open(program, id);
        QCOMPARE(action(board, "Restore Last Bracket")->text(),
                 "Restore Last Bracket (the saved bracket is damaged)");
        leave(board);
        QCOMPARE(Files::read(path), journal.chopped(1));
        Files::write(path, journal);

        board = open(program, id);
        restore = action(board, "Restore Last Bracket");
        QVERIFY(restore->isEnabled());
        const QString left("^Restore Last Bracket \\(left today at \\d+:\\d\\d\\D*, %1 names\\)$");
        QVERIFY(QRegularExpression(left.arg(names - 1)).match(restore->text()).hasMatch());
        press(board, QKeySequence("Ctrl+Shift+T"));
        QCOMPARE(stateOf(board), played);
        QVERIFY(!restore->isEnabled()); // the board holds the journal now
        // A change and its reverse: the entry is greyed again once the menu opens (here the
        // request for it, with the menu itself kept shut).
        type(board, first, "someone else");
        QVERIFY(restore->isEnabled());
        type(board, first, "");
        board->setContextMenuPolicy(Qt::PreventContextMenu);
        QContextMenuEvent menu(QContextMenuEvent::Mouse, {}, {});
        QCoreApplication::sendEvent(board, &menu);
        QVERIFY(!restore->isEnabled());
        action(board, "Undo")->trigger();
        QCOMPARE(stateOf(board), empty);
    }

    void aKilledProgramLeavesItsLastHalfSecond()
    {
        QProcess child;
        qputenv("KAYFABE_JOURNAL_CHILD", "1");
        child.start(QCoreApplication::applicationFilePath(), {});
        qunsetenv("KAYFABE_JOURNAL_CHILD");
        while (!child.canReadLine())
            QVERIFY(child.waitForReadyRead(-1));
        QCOMPARE(child.readLine().trimmed(), "ready"); // CR LF on Windows
        child.kill(); // SIGKILL: no chance to write anything more
        child.waitForFinished();

        TestProgram program;
        BoardWindow *board = open(program, WindowId::Sixteen);
        action(board, "Restore Last Bracket")->trigger();
        // Steps come at least 0.1 s apart and the kill at least 0.1 s after the last.
        QStringList names;
        for (const QString &slot : numbered("txtWrestler", 1, ChildSteps))
            names << text(board, slot);
        int kept = 0;
        while (kept < ChildSteps && names[kept] == QString("Name %1").arg(kept + 1))
            ++kept;
        QVERIFY2(kept >= ChildSteps - 5, qPrintable(names.join(", ")));
        QCOMPARE(names.mid(kept).filter("Name "), QStringList()); // and none typed after those
    }

    void anUnwritableFolderLeavesTheBoardWorking()
    {
        Files::write(m_state.filePath("file"), "not a folder");
        TestProgram program;
        BoardWindow *board = open(program, WindowId::Four, m_state.filePath("file/boards"));
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
