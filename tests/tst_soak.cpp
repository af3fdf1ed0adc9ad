// Drives every window through its real widgets with a fixed sequence of random actions: clicks
// on every button, typing all kinds of names, Save and Load back, undo and redo, and leaving
// windows every way there is. The sanitizer build runs it too. Each way a file can fail is the
// file fault test's.
#include "testsupport.h"

#include <QAction>
#include <QRandomGenerator>

namespace {

int actionsWanted()
{
    const int wanted = qEnvironmentVariableIntValue("KAYFABE_SOAK_ACTIONS");
    return wanted > 0 ? wanted : 100000;
}

// The run goes in rounds that each end far inside QtTest's watchdog, however slow the machine.
constexpr int RoundActions = 2000;

} // namespace

class TestSoak : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { start(); }

    void randomActionsKeepTheProgramWhole_data()
    {
        QTest::addColumn<int>("upTo");
        for (int upTo = RoundActions; upTo < actionsWanted() + RoundActions; upTo += RoundActions)
            QTest::addRow("actions to %d", upTo) << std::min(upTo, actionsWanted());
    }

    // Every round goes on from where the one before it left the program.
    void randomActionsKeepTheProgramWhole()
    {
        QFETCH(int, upTo);
        while (m_actions < upTo) {
            QWidget *window = current();
            if (!window) {
                // Nothing on screen only once the program has ended.
                QCOMPARE(m_program->endings, 1);
                QCOMPARE(m_program->windows().loadedCount(), 0);
                start();
                ++m_restarts;
                continue;
            }
            act(window);
            ++m_actions;
            checkWindows();
            if (QTest::currentTestFailed())
                return;
        }
        if (upTo < actionsWanted())
            return;
        qInfo("%d actions, %d Save/Load round trips, %d restarts", m_actions, m_roundTrips,
              m_restarts);
        QVERIFY(m_roundTrips > 100);
        QVERIFY(m_restarts > 10);
    }

private:
    void start()
    {
        m_program.reset();
        m_program = std::make_unique<TestProgram>();
        m_program->shell.setJournalFolder(m_dir.filePath(QStringLiteral("journal")));
        m_program->open(WindowId::Main);
    }

    QWidget *current() const
    {
        // The program shows one window at a time.
        QWidget *shown = nullptr;
        for (int id = 0; id < WindowCount; ++id) {
            QWidget *window = m_program->windows().instance(WindowId(id));
            if (window && window->isVisible()) {
                if (shown)
                    qFatal("two windows on screen: %s and %s", qPrintable(shown->objectName()),
                           qPrintable(window->objectName()));
                shown = window;
            }
        }
        return shown;
    }

    void act(QWidget *window)
    {
        auto *board = qobject_cast<BoardWindow *>(window);
        const int roll = int(m_random.bounded(1000));
        if (roll < 600)
            clickSomething(window);
        else if (roll < 850)
            typeSomething(window);
        else if (roll < 920 && board)
            saveAndLoadBack(board);
        else if (roll < 990)
            undoOrRedo(window);
        else if (roll < 995)
            window->close(); // through the frame
        else
            clickSomething(window);
        // Unloaded windows go, and the program ends, once control is back in the event loop.
        if (current() != window)
            TestProgram::settle();
    }

    void clickSomething(QWidget *window)
    {
        QList<QAbstractButton *> buttons;
        for (QAbstractButton *button : window->findChildren<QAbstractButton *>()) {
            const QString name = button->objectName();
            const bool fileButton = button->text() == "Save" || button->text() == "Load";
            // Exit is rare, so that most of the run is spent inside the windows.
            const bool exit = name == "cmdExit" && m_random.bounded(20) != 0;
            if (button->isVisibleTo(window) && button->isEnabled() && !fileButton && !exit)
                buttons << button;
        }
        if (!buttons.isEmpty())
            buttons.at(m_random.bounded(buttons.size()))->click();
    }

    void typeSomething(QWidget *window)
    {
        QList<QLineEdit *> edits;
        for (QLineEdit *edit : window->findChildren<QLineEdit *>()) {
            if (edit->isVisibleTo(window))
                edits << edit;
        }
        if (edits.isEmpty())
            return;
        QLineEdit *edit = edits.at(m_random.bounded(edits.size()));
        edit->selectAll();
        edit->insert(randomName());
    }

    void saveAndLoadBack(BoardWindow *board)
    {
        const Board::Table &table = board->table();
        const auto listed = [&] {
            QStringList texts;
            for (const Board::Line &line : table.slotList)
                texts << board->slot(line.slot).text();
            return texts;
        };
        const QString path = m_dir.filePath(QStringLiteral("soak.txt"));
        const QStringList saved = listed();
        const qsizetype messages = m_program->dialogs.messages.size();
        m_program->dialogs.answers.enqueue(path);
        board->widget<QAbstractButton>(table.saveButton)->click();
        for (const Board::Line &line : table.slotList)
            board->slot(line.slot).setText(randomName());
        m_program->dialogs.answers.enqueue(path);
        board->widget<QAbstractButton>(table.loadButton)->click();
        QCOMPARE(m_program->dialogs.messages.size(), messages);
        QCOMPARE(listed(), saved);
        ++m_roundTrips;
    }

    void undoOrRedo(QWidget *window)
    {
        const int roll = int(m_random.bounded(6));
        const QString wanted = roll < 3 ? QStringLiteral("Undo")
                : roll < 5              ? QStringLiteral("Redo")
                                        : QStringLiteral("Restore Last Bracket");
        for (QAction *action : window->actions()) {
            if (action->text().startsWith(wanted)) {
                action->trigger();
                return;
            }
        }
    }

    void checkWindows()
    {
        // A window stays loaded only while it is on screen, except the menu hidden behind the
        // sixteen-man board.
        WindowRegistry &windows = m_program->windows();
        QWidget *sixteen = windows.instance(WindowId::Sixteen);
        const bool menuMayHide = sixteen && sixteen->isVisible();
        for (int id = 0; id < WindowCount; ++id) {
            QWidget *window = windows.instance(WindowId(id));
            if (window && !window->isVisible() && !(id == int(WindowId::Main) && menuMayHide))
                QFAIL(qPrintable(window->objectName() + " is loaded but not on screen"));
        }
    }

    QString randomName()
    {
        static const QStringList pieces
                = {"Hart",   ", Bret", "\"Hitman\"",  "  ", "007",     "2E3",
                   "#TRUE#", "Ñandú",  "✓",           "€",  "Ã©",      "<b>",
                   "&",      "-0",     "#5 Wrestler", "\t", "Winner: "};
        const int roll = int(m_random.bounded(100));
        if (roll < 5)
            return QString();
        if (roll < 7)
            return QString(10000, QChar(u'A' + m_random.bounded(26)));
        QString name;
        for (int i = 0, count = 1 + int(m_random.bounded(4)); i < count; ++i)
            name += pieces.at(m_random.bounded(pieces.size()));
        return name;
    }

    QRandomGenerator m_random {20261206};
    QTemporaryDir m_dir;
    std::unique_ptr<TestProgram> m_program;
    int m_actions = 0;
    int m_restarts = 0;
    int m_roundTrips = 0;
};

QTEST_MAIN(TestSoak)
#include "tst_soak.moc"
