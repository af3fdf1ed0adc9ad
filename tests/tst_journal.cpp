// The boards' journal: its bytes are used only whole, and a board comes back as it was left after
// Back or a killed program, as one step of Undo.
#include "boardlists.h"
#include "boardwindow.h"
#include "journal.h"
#include "testsupport.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QCryptographicHash>
#include <QProcess>
#include <QTest>
#include <QTimer>

using namespace Journal;

namespace {

constexpr int ChildSteps = 10;

QStringList warnings;

QStringList stateOf(QWidget *board)
{
    QStringList state;
    for (QWidget *w : board->findChildren<QWidget *>()) {
        state << w->objectName() + (w->isHidden() ? " hidden " : " ");
        if (Slot::isSlot(w))
            state.last() += Slot(w).text() + " @" + QString::number(w->font().pointSizeF());
    }
    return state;
}

QAction *entry(QWidget *board, const QString &title)
{
    for (QAction *action : board->actions()) {
        if (action->text().startsWith(title))
            return action;
    }
    return nullptr;
}

QAction *restoreEntry(QWidget *board)
{
    return entry(board, "Restore Last Bracket");
}

BoardWindow *open(TestProgram &program, WindowId id, const QString &folder = Journal::folder({}))
{
    program.shell.setJournalFolder(folder);
    QWidget *board = program.open(id);
    board->activateWindow();
    [[maybe_unused]] bool ready = QTest::qWaitForWindowActive(board)
            && QTest::qWaitFor([board] { return restoreEntry(board); });
    return static_cast<BoardWindow *>(board);
}

// A name in every entry slot, then every button but the file and navigation ones, once.
int play(BoardWindow *board)
{
    const Board::Table &table = board->table();
    int names = 0;
    for (const Board::Line &line : table.slotList) {
        if (qobject_cast<QLineEdit *>(board->widget(line.slot)))
            Ui::type(board, line.slot, QString("Hart, \"%1\"").arg(++names));
    }
    const QList<const char *> skipped {table.saveButton, table.loadButton, table.resetButton,
                                       table.backButton};
    for (const Form::Row &row : table.widgets) {
        auto *button = qobject_cast<QAbstractButton *>(board->widget(row.name));
        if (button && !skipped.contains(row.name) && button->isVisibleTo(board))
            button->click();
    }
    return names;
}

void popUpMenu(QWidget *board)
{
    QTimer::singleShot(0, [] {
        if (QWidget *menu = QApplication::activePopupWidget())
            menu->close();
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                            board->mapToGlobal(QPoint(5, 5)));
    QCoreApplication::sendEvent(board, &event);
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

Layout fourLayout()
{
    const BoardList &four = boardList(WindowId::Four);
    Layout layout {"four", four.slots, {}};
    for (int line = 1; line <= four.slots.size(); ++line)
        layout.holders << (four.typed(line) ? BracketFile::Holder::Typed
                                            : BracketFile::Holder::Text);
    return layout;
}

} // namespace

class TestJournal : public QObject
{
    Q_OBJECT

    QTemporaryDir m_state;

private Q_SLOTS:
    void initTestCase() { qputenv("XDG_STATE_HOME", m_state.path().toUtf8()); }
    void init() { QDir(Journal::folder({})).removeRecursively(); }

    void turnedOffOnRequest_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("variable");
        QTest::addColumn<bool>("on");
        QTest::newRow("default") << QStringList {"kayfabe-kit"} << QByteArray() << true;
        QTest::newRow("switch") << QStringList {"kayfabe-kit", "--no-journal"} << QByteArray()
                                << false;
        QTest::newRow("variable") << QStringList {"kayfabe-kit"} << QByteArray("1") << false;
    }
    void turnedOffOnRequest()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, variable);
        QFETCH(bool, on);
        qputenv("KAYFABE_NO_JOURNAL", variable);
        const QString folder = Journal::folder(arguments);
        qunsetenv("KAYFABE_NO_JOURNAL");
        QCOMPARE(folder, on ? m_state.filePath("kayfabe-kit/boards") : QString());
    }

    void onlyAWholeJournalIsUsed()
    {
        const Layout layout = fourLayout();
        Entry entry {{}, QDateTime(QDate(2026, 1, 5), QTime(21, 14, 3, 120), Qt::UTC)};
        const QStringList names {"Hart, Bret",
                                 "\"Hitman\"",
                                 " 007 ",
                                 "line\r\nbreak",
                                 "Ñandú ✓",
                                 "#TRUE#",
                                 QString("nul") + QChar(0),
                                 "",
                                 "2E3",
                                 "-0",
                                 "x",
                                 "y",
                                 "z"};
        for (qsizetype i = 0; i < names.size(); ++i)
            entry.state.texts.insert(layout.slots[i], names[i]);
        entry.state.texts.insert("Label5", "Winner: a b%20c");
        entry.state.hidden = {{"Four4", true}, {"Command12", true}};
        entry.state.points = {{"Label5", 12}};
        const QByteArray bytes = write(layout, entry);

        const ReadResult whole = read(bytes, layout);
        QVERIFY(whole.entry);
        QCOMPARE(whole.entry->state, entry.state);
        QCOMPARE(whole.entry->left, entry.left);
        // Load reads the same names, but for one a text file cannot hold.
        QByteArray copy = bytes;
        QBuffer device(&copy);
        device.open(QIODevice::ReadOnly);
        QStringList loaded = names;
        loaded[6] = "";
        QCOMPARE(BracketFile::read(device, layout.holders).values, loaded);

        for (qsizetype n = 0; n < bytes.size(); ++n) {
            QCOMPARE(read(bytes.left(n), layout).problem, Problem::Damaged);
            QByteArray changed = bytes;
            changed[n] = char(changed[n] ^ 0x20);
            QVERIFY2(!read(changed, layout).entry, qPrintable(QString::number(n)));
        }
        Layout eight = layout;
        eight.board = "eight";
        QCOMPARE(read(bytes, eight).problem, Problem::OtherLayout);
        const qsizetype end = bytes.lastIndexOf("end ");
        QByteArray older = bytes.left(end).replace("journal 1 four", "journal 0 four");
        older += "end " + bytes.mid(end).split(' ')[1] + ' '
                + QCryptographicHash::hash(older, QCryptographicHash::Sha256).toHex() + "\r\n";
        QCOMPARE(read(older, layout).problem, Problem::OtherLayout);
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
        QVERIFY(!restoreEntry(board)->isEnabled());
        const QStringList empty = stateOf(board);
        const int names = play(board);
        const QStringList played = stateOf(board);
        Ui::click(board, boardList(id).back);
        TestProgram::settle();

        board = open(program, id);
        QCOMPARE(stateOf(board), empty);
        QAction *restore = restoreEntry(board);
        QVERIFY2(restore->text().contains(QRegularExpression(
                         QString("^Restore Last Bracket \\(left today at .+, %1 names\\)$")
                                 .arg(names))),
                 qPrintable(restore->text()));
        QVERIFY(restore->isEnabled());
        QTest::keySequence(board, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_T));
        QCOMPARE(stateOf(board), played);
        QVERIFY(!restore->isEnabled()); // the board holds the journal now
        // A change and its reverse: the entry is greyed again once the menu opens.
        const QString first = boardList(id).slots.first();
        const QString name = Ui::text(board, first);
        Ui::type(board, first, "someone else");
        QVERIFY(restore->isEnabled());
        Ui::type(board, first, name);
        popUpMenu(board);
        QVERIFY(!restore->isEnabled());

        entry(board, "Undo")->trigger();
        QCOMPARE(stateOf(board), empty);
    }

    void aKilledProgramLeavesItsLastHalfSecond()
    {
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("KAYFABE_JOURNAL_CHILD", "1");
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationFilePath(), {});
        while (!child.canReadLine())
            QVERIFY(child.waitForReadyRead(60000));
        QCOMPARE(child.readLine(), "ready\n");
        child.kill(); // SIGKILL: no chance to write anything more
        child.waitForFinished();

        TestProgram program;
        BoardWindow *board = open(program, WindowId::Sixteen);
        restoreEntry(board)->trigger();
        // Steps come at least 0.1 s apart and the kill at least 0.1 s after the last.
        const auto name = [](int step) { return QString("Name %1").arg(step); };
        const auto slot = [](int step) { return QString("txtWrestler%1").arg(step); };
        int kept = 0;
        while (kept < ChildSteps && Ui::text(board, slot(kept + 1)) == name(kept + 1))
            ++kept;
        QVERIFY2(kept >= ChildSteps - 5, qPrintable(QString::number(kept)));
        for (int step = kept + 1; step <= ChildSteps; ++step)
            QVERIFY(!Ui::text(board, slot(step)).startsWith("Name"));
    }

    void anUnwritableFolderLeavesTheBoardWorking()
    {
        Files::write(m_state.filePath("file"), "not a folder");
        TestProgram program;
        BoardWindow *board = open(program, WindowId::Four, m_state.filePath("file/boards"));
        const auto previous = qInstallMessageHandler([](QtMsgType, const QMessageLogContext &,
                                                        const QString &text) { warnings << text; });
        for (const char *name : {"Hart", "Bret"}) {
            Ui::type(board, "One", name);
            QTimer *timer = board->findChild<QTimer *>("journalTimer");
            QVERIFY(timer->isActive());
            QTimerEvent tick(timer->timerId());
            QCoreApplication::sendEvent(timer, &tick);
        }
        Ui::click(board, "Command3");
        QCOMPARE(Ui::text(board, "Two1"), "Bret");
        Ui::click(board, "Command17");
        TestProgram::settle();
        qInstallMessageHandler(previous);
        QCOMPARE(warnings.size(), 1);
        QVERIFY(warnings[0].startsWith(
                "kayfabe-kit: could not keep the four board's last bracket"));
    }

    void leavingUnchangedKeepsTheLastBracket()
    {
        TestProgram program;
        BoardWindow *board = open(program, WindowId::Four);
        Ui::type(board, "One", "Hart");
        Ui::click(board, "Command17");
        TestProgram::settle();
        const QString path = Journal::path(Journal::folder({}), "four");
        const QByteArray left = Files::read(path);
        QVERIFY(read(left, fourLayout()).entry);

        board = open(program, WindowId::Four);
        Ui::click(board, "Command2"); // the empty winners' final: nothing changes
        Ui::click(board, "Command17");
        TestProgram::settle();
        QCOMPARE(Files::read(path), left);

        Files::write(path, left.chopped(1));
        board = open(program, WindowId::Four);
        const QStringList before = stateOf(board);
        QCOMPARE(restoreEntry(board)->text(),
                 "Restore Last Bracket (the saved bracket is damaged)");
        QVERIFY(!restoreEntry(board)->isEnabled());
        QTest::keySequence(board, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_T));
        QCOMPARE(stateOf(board), before);
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
