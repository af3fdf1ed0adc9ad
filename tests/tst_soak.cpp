// SPDX-License-Identifier: GPL-3.0-or-later
// Drives every window through its real widgets with a fixed sequence of random actions: clicks
// on every button, typing all kinds of names, Save and Load back, undo and redo, and leaving
// windows every way there is. The sanitizer build runs it too. Each way a file can fail is the
// file fault test's.
#include "testsupport.h"

#include <QAction>
#include <QDialog>
#include <QPlainTextEdit>
#include <QRandomGenerator>
#include <QShortcut>

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
        while (m_actions < upTo && !QTest::currentTestFailed()) {
            if (QWidget *window = current()) {
                act(window);
            } else {
                // Nothing on screen only once the program has ended.
                QCOMPARE(m_program->endings, 1);
                QCOMPARE(m_program->windows().loadedCount(), 0);
                start();
                ++m_restarts;
            }
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
        // The program's own dialogs say OK; a round robin is drawn from eight names.
        m_program->dialogs.fillIn = [](QDialog &dialog) {
            if (auto *names = dialog.findChild<QPlainTextEdit *>("rrNames"))
                names->setPlainText("A\nB\nC\nD\nE\nF\nG\nH");
            return true;
        };
        m_program->open(WindowId::Main);
    }

    // The one window on screen, or none once the program has ended. The program shows one window
    // at a time, and keeps a window loaded only while it is on screen, except the menu hidden
    // behind the sixteen-man board.
    QWidget *current() const
    {
        QWidget *shown = nullptr, *sixteen = m_program->windows().instance(WindowId::Sixteen);
        for (int id = 0; id < WindowCount; ++id) {
            QWidget *window = m_program->windows().instance(WindowId(id));
            if (window && window->isVisible() && shown)
                qFatal("two windows on screen: %s and %s", qPrintable(shown->objectName()),
                       qPrintable(window->objectName()));
            if (window && window->isVisible())
                shown = window;
            else if (window && !(id == int(WindowId::Main) && sixteen && sixteen->isVisible()))
                qFatal("%s is loaded but not on screen", qPrintable(window->objectName()));
        }
        return shown;
    }

    void act(QWidget *window)
    {
        auto *board = qobject_cast<BoardWindow *>(window);
        const int roll = int(m_random.bounded(1000));
        ++m_actions;
        if (roll < 250) {
            typeSomething(window);
        } else if (roll < 255) {
            window->close(); // through the frame
        } else if (roll < 325 && board) {
            saveAndLoadBack(board);
        } else if (roll < 395 && board) {
            const int entry = int(m_random.bounded(6));
            if (entry < 5)
                Ui::action(board, entry < 3 ? "Undo" : "Redo")->trigger();
            else // the newest kept bracket, as its key brings it back
                for (QShortcut *key : board->findChildren<QShortcut *>())
                    if (key->key() == QKeySequence("Ctrl+Shift+T"))
                        Q_EMIT key->activated();
        } else {
            clickSomething(window);
        }
        // Unloaded windows go, and the program ends, once control is back in the event loop.
        if (!window->isVisible())
            TestProgram::settle();
    }

    void clickSomething(QWidget *window)
    {
        QList<QAbstractButton *> buttons = window->findChildren<QAbstractButton *>();
        // Save and Load are the round trip's, and Exit is rare, so that most of the run is spent
        // inside the windows.
        buttons.removeIf([&](QAbstractButton *button) {
            return !button->isVisibleTo(window) || !button->isEnabled()
                    || button->text().startsWith("Save") || button->text().startsWith("Load")
                    || (button->objectName() == "cmdExit" && m_random.bounded(20) != 0);
        });
        if (!buttons.isEmpty())
            buttons.at(m_random.bounded(buttons.size()))->click();
    }

    void typeSomething(QWidget *window)
    {
        QList<QLineEdit *> edits = window->findChildren<QLineEdit *>();
        edits.removeIf([&](QLineEdit *edit) { return !edit->isVisibleTo(window); });
        if (!edits.isEmpty())
            Ui::type(window, edits.at(m_random.bounded(edits.size()))->objectName(), randomName());
    }

    // Saves the board, types over every slot of its file and loads the file back.
    void saveAndLoadBack(BoardWindow *board)
    {
        const Board::Table &table = board->table();
        const QStringList saved = Ui::stateOf(board);
        const qsizetype messages = m_program->dialogs.messages.size();
        m_program->dialogs.answers << m_dir.filePath("soak.txt") << m_dir.filePath("soak.txt");
        board->widget<QAbstractButton>(table.saveButton)->click();
        for (const Board::Line &line : table.bracket.slotList)
            board->slot(line.slot).setText(randomName());
        board->widget<QAbstractButton>(table.loadButton)->click();
        QCOMPARE(m_program->dialogs.messages.size(), messages);
        QCOMPARE(Ui::stateOf(board), saved);
        ++m_roundTrips;
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
    int m_actions = 0, m_restarts = 0, m_roundTrips = 0;
};

QTEST_MAIN(TestSoak)
#include "tst_soak.moc"
