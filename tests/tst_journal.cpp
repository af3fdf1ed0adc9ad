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

namespace {

constexpr int ChildSteps = 10;

QStringList stateOf(QWidget *board)
{
    QStringList state;
    for (QWidget *w : board->findChildren<QWidget *>())
        state << QString("%1 %2 %3 %4")
                         .arg(w->objectName(), Slot::isSlot(w) ? Slot(w).text() : "")
                         .arg(w->isHidden())
                         .arg(w->font().pointSizeF());
    return state;
}

QAction *entry(QWidget *board, const QString &title = "Restore Last Bracket")
{
    for (QAction *action : board->actions())
        if (action->text().startsWith(title))
            return action;
    return nullptr;
}

BoardWindow *open(TestProgram &program, WindowId id, const QString &folder = Journal::folder({}))
{
    program.shell.setJournalFolder(folder);
    QWidget *board = program.open(id);
    board->activateWindow();
    [[maybe_unused]] bool ready = QTest::qWaitForWindowActive(board)
            && QTest::qWaitFor([board] { return entry(board); });
    TestProgram::settle(); // the journal is read a turn later
    return static_cast<BoardWindow *>(board);
}

void leave(BoardWindow *board)
{
    Ui::click(board, board->table().backButton);
    TestProgram::settle();
}

// A name in every entry slot, then a click on every button but Save, Load, Reset and Back.
int play(QWidget *board)
{
    int names = 0;
    for (QLineEdit *slot : board->findChildren<QLineEdit *>())
        Ui::type(board, slot->objectName(), QString("Hart, \"%1\"").arg(++names));
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
        Ui::type(board, QString("txtWrestler%1").arg(step), QString("Name %1").arg(step));
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
        Layout layout {"four", four.slots, {}};
        Entry entry {{}, QDateTime(QDate(2026, 1, 5), QTime(21, 14, 3, 120), Qt::UTC)};
        QStringList names
                = QString("Hart, Bret|\"Hitman\"| 007 |a\r\nb|Ñandú ✓|nul|#TRUE#|2E3").split('|');
        names[5] += QChar(0); // a name no text file can hold
        for (int line = 1; line <= four.slots.size(); ++line) {
            layout.holders << (four.typed(line) ? BracketFile::Holder::Typed
                                                : BracketFile::Holder::Text);
            entry.state.texts.insert(four.slots[line - 1], names.value(line - 1));
        }
        entry.state.texts.insert("Label5", "Winner: a b%20c");
        entry.state.hidden = {{"Four4", true}, {"Command12", true}};
        entry.state.points = {{"Label5", 12}};
        const QByteArray bytes = write(layout, entry);
        QCOMPARE(read(bytes, layout).entry->state, entry.state);
        QCOMPARE(read(bytes, layout).entry->left, entry.left);
        QBuffer device; // Load reads it, but for the name no text file can hold
        device.setData(bytes);
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
        QTest::addColumn<WindowId>("id");
        for (const BoardList &board : boardLists())
            QTest::newRow(board.tag) << board.id;
    }
    void restoreBringsBackTheBoardLeftWithBack()
    {
        QFETCH(WindowId, id);
        TestProgram program;
        BoardWindow *board = open(program, id);
        QVERIFY(!entry(board)->isEnabled());
        const QStringList empty = stateOf(board);
        const int names = play(board);
        const QStringList played = stateOf(board);
        const QString path = Journal::path(Journal::folder({}), board->table().id);
        leave(board);
        // Left unchanged, a board keeps the journal; a damaged journal is not used.
        const QByteArray journal = Files::read(path);
        leave(open(program, id));
        QCOMPARE(Files::read(path), journal);
        Files::write(path, journal.chopped(1));
        board = open(program, id);
        QCOMPARE(entry(board)->text(), "Restore Last Bracket (the saved bracket is damaged)");
        QTest::keySequence(board, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_T));
        QCOMPARE(stateOf(board), empty);
        leave(board);
        Files::write(path, journal);

        board = open(program, id);
        QAction *restore = entry(board);
        QVERIFY(restore->isEnabled());
        const QString left("^Restore Last Bracket \\(left today at \\d+:\\d\\d\\D*, %1 names\\)$");
        QVERIFY(QRegularExpression(left.arg(names)).match(restore->text()).hasMatch());
        QTest::keySequence(board, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_T));
        QCOMPARE(stateOf(board), played);
        QVERIFY(!restore->isEnabled()); // the board holds the journal now
        // A change and its reverse: the entry is greyed again once the menu opens.
        const QString first = boardList(id).slots.first(), name = Ui::text(board, first);
        Ui::type(board, first, "someone else");
        QVERIFY(restore->isEnabled());
        Ui::type(board, first, name);
        QTimer::singleShot(0, [] {
            if (QWidget *popUp = QApplication::activePopupWidget())
                popUp->close();
        });
        QContextMenuEvent menu(QContextMenuEvent::Mouse, {}, board->mapToGlobal(QPoint()));
        QCoreApplication::sendEvent(board, &menu);
        QVERIFY(!restore->isEnabled());
        entry(board, "Undo")->trigger();
        QCOMPARE(stateOf(board), empty);
    }

    void aKilledProgramLeavesItsLastHalfSecond()
    {
        QProcess child;
        qputenv("KAYFABE_JOURNAL_CHILD", "1");
        child.start(QCoreApplication::applicationFilePath(), {});
        qunsetenv("KAYFABE_JOURNAL_CHILD");
        while (!child.canReadLine())
            QVERIFY(child.waitForReadyRead(60000));
        QCOMPARE(child.readLine().trimmed(), "ready"); // CR LF on Windows
        child.kill(); // SIGKILL: no chance to write anything more
        child.waitForFinished();

        TestProgram program;
        BoardWindow *board = open(program, WindowId::Sixteen);
        entry(board)->trigger();
        // Steps come at least 0.1 s apart and the kill at least 0.1 s after the last.
        const auto named = [board](int step) {
            return Ui::text(board, QString("txtWrestler%1").arg(step))
                    == QString("Name %1").arg(step);
        };
        int kept = 0;
        while (kept < ChildSteps && named(kept + 1))
            ++kept;
        QVERIFY2(kept >= ChildSteps - 5, qPrintable(QString::number(kept)));
        for (int step = kept + 1; step <= ChildSteps; ++step)
            QVERIFY(!named(step));
    }

    void anUnwritableFolderLeavesTheBoardWorking()
    {
        Files::write(m_state.filePath("file"), "not a folder");
        TestProgram program;
        BoardWindow *board = open(program, WindowId::Four, m_state.filePath("file/boards"));
        const QRegularExpression warning("^kayfabe-kit: could not keep the four board's last");
        QTest::ignoreMessage(QtWarningMsg, warning); // once, and only once
        QTest::failOnWarning(warning);
        for (const char *name : {"Hart", "Bret"}) { // each written at once
            Ui::type(board, "One", name);
            QTimer *timer = board->findChild<QTimer *>("journalTimer");
            QTimerEvent tick(timer->timerId());
            QCoreApplication::sendEvent(timer, &tick);
        }
        Ui::click(board, "Command3");
        QCOMPARE(Ui::text(board, "Two1"), "Bret");
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
