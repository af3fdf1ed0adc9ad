// SPDX-License-Identifier: GPL-3.0-or-later
// How close Kayfabe Kit comes to what Qt itself costs. Every figure is a median of repeated runs
// and stands beside its floor: the same work done by bare Qt widgets with nothing of the program
// in them. See the README for how to run it and what the figures were.
//
//   kayfabe-bench [--runs N] [--generates N]
//                 [--only start-up|windows|clicks|results|journal|memory|generates|draw|
//                         round-robin]
#include "bareqt.h"

#include "boardresults.h"
#include "boardwindow.h"
#include "dialogs.h"
#include "roundrobinwindow.h"
#include "shell.h"
#include "windowlist.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QSaveFile>
#include <QSpinBox>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QThread>
#include <QTreeView>

#include <cstdio>
#include <functional>
#include <numeric>

namespace {

// Answers every file dialog with one file and stops on any message, since a benchmark whose Load
// failed would measure nothing.
class FileAnswer : public Dialogs
{
public:
    QString file;
    QString saveFileName(QWidget *, const QString &, const QString &, QString *) override
    {
        return file;
    }
    QString openFileName(QWidget *, const QString &, const QString &) override { return file; }
    void warn(QWidget *, const QString &, const QString &text) override { fail(text); }
    void inform(QWidget *, const QString &, const QString &text) override { fail(text); }
    bool confirm(QWidget *, const QString &, const QString &text) override
    {
        fail(text);
        return false;
    }
    void about(QWidget *, const QString &, const QString &text) override { fail(text); }
    bool choosePrinter(QWidget *, QPrinter &) override { return false; }
    void notice(QWidget *, const QString &text) override { fail(text); }
    std::optional<QString> askText(QWidget *, const QString &, const QString &, const QString &,
                                   int) override
    {
        return std::nullopt;
    }
    std::function<bool(QDialog &)> fillIn;
    bool exec(QDialog &dialog) override { return fillIn && fillIn(dialog); }

private:
    static void fail(const QString &text) { qFatal("unexpected message: %s", qPrintable(text)); }
};

struct Figure
{
    QString name;
    double value;
    double floor;
    QString unit;
    double target; // the largest acceptable ratio to the floor, or the largest difference
    bool difference = false;
    double ratio = 0; // when the runs were paired: the median of their ratios
};

// The program's and the floor's runs take turns, so a change in the machine's load falls on both
// alike; the median of the ratios of runs side by side is the ratio that such a change moves least.
Figure compared(const QString &name, const std::vector<double> &program,
                const std::vector<double> &floor, double target)
{
    std::vector<double> ratios;
    for (size_t run = 0; run < std::min(program.size(), floor.size()); ++run)
        ratios.push_back(program[run] / floor[run]);
    return {name,   median(program), median(floor), QStringLiteral("ms"),
            target, false,           median(ratios)};
}

void print(const Figure &f)
{
    const double against = f.difference ? f.value - f.floor
            : f.ratio > 0               ? f.ratio
                                        : f.value / f.floor;
    const bool met = against <= f.target;
    const QString comparison = f.difference ? QStringLiteral("%1%2 %3")
                                                      .arg(against >= 0 ? "+" : "")
                                                      .arg(against, 0, 'f', 1)
                                                      .arg(f.unit)
                                            : QStringLiteral("%1x").arg(against, 0, 'f', 2);
    const QString target = f.target <= 0 ? QString()
            : f.difference               ? QStringLiteral("<= +%1 %2").arg(f.target).arg(f.unit)
                                         : QStringLiteral("<= %1x").arg(f.target, 0, 'f', 2);
    std::printf("%-44s %9.2f %-3s %9.2f %-3s %11s  %-12s %s\n", qPrintable(f.name), f.value,
                qPrintable(f.unit), f.floor, qPrintable(f.unit), qPrintable(comparison),
                qPrintable(target),
                f.target <= 0 ? ""
                        : met ? "met"
                              : "MISSED");
    std::fflush(stdout);
}

// --- Start-up, in fresh processes -------------------------------------------------------------

// Starts a process and times it until its first window has been painted and handed to the
// screen, which Qt's painting log tells from outside the program.
double timeToFirstPaint(const QString &program, const QStringList &arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_LOGGING_RULES"),
                       QStringLiteral("qt.widgets.painting=true"));
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(QStringLiteral(KAYFABE_SOURCE_DIR));
    process.setReadChannel(QProcess::StandardError);
    const auto start = Clock::now();
    process.start(program, arguments);
    for (;;) {
        if (!process.canReadLine() && !process.waitForReadyRead(10000))
            qFatal("%s never painted a window", qPrintable(program));
        if (process.readLine().contains("Flushing QRegion("))
            break;
    }
    const double elapsed = millisecondsSince(start);
    process.kill();
    process.waitForFinished();
    return elapsed;
}

// The floor is a bare window of the menu's size and picture with the menu's buttons in Qt's own
// look. A window with the picture alone is shown too: it never starts Qt's font system
// (fontconfig), which any window with a caption on it must, so it is no floor for the menu.
void startUp(const QString &menuRecipe, int runs)
{
    std::vector<double> program, floor, pictureOnly;
    const QString self = QCoreApplication::applicationFilePath();
    for (int run = 0; run < runs; ++run) {
        program.push_back(timeToFirstPaint(QStringLiteral(KAYFABE_PROGRAM), {}));
        floor.push_back(timeToFirstPaint(self, {QStringLiteral("--bare-window"), menuRecipe}));
        pictureOnly.push_back(timeToFirstPaint(self, {QStringLiteral("--bare-window")}));
    }
    print(compared(QStringLiteral("start-up to the main menu's first paint"), program, floor,
                   1.10));
    print(compared(QStringLiteral("  the same beside the picture alone"), program, pictureOnly, 0));
}

int bareWindow(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const BareWindow::Recipe recipe = argc > 2
            ? BareWindow::readRecipes(QString::fromLocal8Bit(argv[2])).front()
            : BareWindow::Recipe {QSize(772, 448), true, {}};
    BareWindow window(recipe);
    window.show();
    return QApplication::exec();
}

// --- Windows and clicks, in this process -----------------------------------------------------

struct Tool
{
    const char *name;
    const char *menuButton;
    WindowId id;
    const char *backButton;
    double target; // the largest ratio to the floor; the tools have none of their own
};

const Tool Tools[] = {
        {"4-man board", "cmdFourman", WindowId::Four, "Command17", 1.15},
        {"8-man board", "cmdEight", WindowId::Eight, "Command40", 1.15},
        {"16-man board", "cmdsixteen", WindowId::Sixteen, "Command40", 1.15},
        {"32-man board", "cmdthritytwo", WindowId::ThirtyTwo, "Command3", 1.15},
        {"random winners", "cmdRandom", WindowId::Random, "Command2", 0},
        {"gimmick generator", "cmdGimmick", WindowId::Roster, "Command1", 0},
};

void click(QWidget *window, const char *button)
{
    auto *found = window->findChild<QAbstractButton *>(QString::fromLatin1(button));
    if (!found)
        qFatal("%s has no button %s", qPrintable(window->objectName()), button);
    found->click();
}

// Clicks a menu button and times it until the tool window is on screen, painted.
double openFromMenu(WindowRegistry &windows, const Tool &tool)
{
    startWatchingPaints();
    const auto start = Clock::now();
    click(windows.instance(WindowId::Main), tool.menuButton);
    waitForPaint(windows.instance(tool.id));
    return millisecondsSince(start);
}

void backToMenu(WindowRegistry &windows, const Tool &tool)
{
    startWatchingPaints();
    click(windows.instance(tool.id), tool.backButton);
    waitForPaint(windows.instance(WindowId::Main));
    settle();
}

double openBare(const BareWindow::Recipe &recipe)
{
    startWatchingPaints();
    const auto start = Clock::now();
    auto window = std::make_unique<BareWindow>(recipe);
    window->show();
    waitForPaint(window.get());
    const double elapsed = millisecondsSince(start);
    window.reset();
    settle();
    return elapsed;
}

void windowOpening(WindowRegistry &windows, int runs)
{
    for (const Tool &tool : Tools) {
        std::vector<double> program, floor;
        BareWindow::Recipe recipe;
        // Taking turns at going first, so that neither gains from what the other left warm.
        for (int run = 0; run < runs; ++run) {
            if (run % 2 && !recipe.children.empty())
                floor.push_back(openBare(recipe));
            program.push_back(openFromMenu(windows, tool));
            recipe = BareWindow::recipeOf(windows.instance(tool.id));
            backToMenu(windows, tool);
            if (run % 2 == 0)
                floor.push_back(openBare(recipe));
        }
        print(compared(QStringLiteral("menu click to the %1's first paint").arg(tool.name), program,
                       floor, tool.target));
    }
}

// Times one click and the repaint it causes, if it changes anything on screen.
double timeClick(QWidget *window, const char *button, bool repaints = true)
{
    startWatchingPaints();
    const auto start = Clock::now();
    click(window, button);
    if (repaints)
        waitForPaint(window);
    else
        QCoreApplication::processEvents();
    return millisecondsSince(start);
}

QWidget *showing(QWidget *window)
{
    startWatchingPaints();
    window->show();
    waitForPaint(window);
    return window;
}

// Names every entry slot and lets the board repaint before the next click is timed.
void fillEntries(QWidget *window)
{
    startWatchingPaints();
    int number = 0;
    for (QLineEdit *entry : window->findChildren<QLineEdit *>())
        entry->setText(QStringLiteral("Wrestler Number %1").arg(++number));
    waitForPaint(window);
}

// The floor's click: the same texts set on bare widgets, and the same repaint.
double timeBareTexts(QWidget *window, const QStringList &texts)
{
    startWatchingPaints();
    const auto start = Clock::now();
    qsizetype next = 0;
    for (QLineEdit *entry : window->findChildren<QLineEdit *>())
        entry->setText(texts.value(next++));
    for (QLabel *label : window->findChildren<QLabel *>())
        label->setText(texts.value(next++));
    waitForPaint(window);
    return millisecondsSince(start);
}

void heavyClicks(WindowRegistry &windows, FileAnswer &dialogs, int runs)
{
    QTemporaryDir folder;
    dialogs.file = folder.filePath(QStringLiteral("thirty-two.txt"));
    startWatchingPaints();
    QWidget *board = windows.show(WindowId::ThirtyTwo);
    waitForPaint(board);
    BareWindow bare(BareWindow::recipeOf(board));
    showing(&bare);
    QStringList names;
    for (int slot = 1; slot <= 62; ++slot)
        names << QStringLiteral("Wrestler Number %1").arg(slot);
    const QByteArray fileBytes = names.join(QStringLiteral("\r\n")).toLatin1() + "\r\n";

    std::vector<double> reset, resetFloor, save, saveFloor, load, loadFloor;
    for (int run = 0; run < runs; ++run) {
        fillEntries(board);
        reset.push_back(timeClick(board, "Command4"));
        resetFloor.push_back(timeBareTexts(&bare, QStringList(62, QString())));

        fillEntries(board);
        save.push_back(timeClick(board, "Command9", false));
        const auto start = Clock::now();
        QSaveFile file(dialogs.file + QStringLiteral(".floor"));
        file.open(QIODevice::WriteOnly);
        file.write(fileBytes);
        file.commit();
        saveFloor.push_back(millisecondsSince(start));

        timeClick(board, "Command4");
        load.push_back(timeClick(board, "Command10"));
        const auto loadStart = Clock::now();
        QFile saved(dialogs.file);
        saved.open(QIODevice::ReadOnly);
        const QStringList lines
                = QString::fromLatin1(saved.readAll()).split(QStringLiteral("\r\n"));
        loadFloor.push_back(millisecondsSince(loadStart) + timeBareTexts(&bare, lines));
    }
    windows.unload(WindowId::ThirtyTwo);
    settle();
    print(compared(QStringLiteral("32-man Reset (62 slots emptied)"), reset, resetFloor, 0));
    print(compared(QStringLiteral("32-man Save (62 lines written)"), save, saveFloor, 0));
    print(compared(QStringLiteral("32-man Load (62 values read)"), load, loadFloor, 0));
}

// A click on the thirty-two-man board with the journal on against the same click with it off.
// The clicks come 10 ms apart, as the machine sleeps, so the journal's write comes due between
// them and runs inside the click that follows: the median is a click's own cost, and the mean
// spreads the writes over the clicks.
void journalClicks(Shell &shell, int runs)
{
    QTemporaryDir folder;
    WindowRegistry &windows = shell.windows();
    const QString kept = shell.journalFolder();
    std::vector<double> on, off;
    for (int run = 0; run < runs; ++run) {
        for (bool journal : {run % 2 == 0, run % 2 != 0}) {
            shell.setJournalFolder(journal ? folder.path() : QString());
            QWidget *board = showing(windows.show(WindowId::ThirtyTwo));
            settle(); // the extras, the journal among them, come after the first paint
            fillEntries(board);
            for (int click = 0; click < 60; ++click) {
                QThread::msleep(10);
                (journal ? on : off).push_back(timeClick(board, click % 2 ? "win1" : "win2"));
            }
            windows.unload(WindowId::ThirtyTwo);
            settle();
        }
    }
    shell.setJournalFolder(kept);
    const auto mean = [](const std::vector<double> &times) {
        return std::accumulate(times.begin(), times.end(), 0.0) / double(times.size());
    };
    print({QStringLiteral("32-man click, journal on vs off"), median(on), median(off),
           QStringLiteral("ms"), 1.10});
    print({QStringLiteral("  the same, mean, writes included"), mean(on), mean(off),
           QStringLiteral("ms"), 0});
}

// Ctrl+D on the 32-man board: the dialog on screen, a 10,000-name roster loaded into it, Shuffled,
// OK, and the board repainted with the drawn field.
void drawField(WindowRegistry &windows, FileAnswer &dialogs, int runs)
{
    QTemporaryDir folder;
    dialogs.file = folder.filePath(QStringLiteral("roster.txt"));
    QByteArray roster;
    for (int name = 1; name <= 10000; ++name)
        roster += "Wrestler Number " + QByteArray::number(name) + "\r\n";
    QFile file(dialogs.file);
    file.open(QIODevice::WriteOnly);
    file.write(roster);
    file.close();
    startWatchingPaints();
    QWidget *board = windows.show(WindowId::ThirtyTwo);
    waitForPaint(board);
    // The board's keys and menu are made once it is on screen.
    while (board->actions().isEmpty())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    QAction *draw = nullptr;
    for (QAction *action : board->actions())
        draw = action->text() == QLatin1String("Draw the Field...") ? action : draw;
    dialogs.fillIn = [](QDialog &dialog) {
        dialog.show();
        waitForPaint(&dialog);
        click(&dialog, "drawLoadRoster");
        dialog.findChild<QAbstractButton *>(QStringLiteral("drawShuffled"))->click();
        return true;
    };
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        startWatchingPaints();
        const auto start = Clock::now();
        draw->trigger();
        waitForPaint(board);
        times.push_back(millisecondsSince(start));
    }
    dialogs.fillIn = nullptr;
    windows.unload(WindowId::ThirtyTwo);
    settle();
    print({QStringLiteral("32-man draw of a 10,000-name roster"), median(times), 0,
           QStringLiteral("ms"), 16, true});
}

// The round robin at its largest, four blocks of twelve: the window opened from the menu beside
// the thirty-two-man board, the blocks drawn, every night decided with Random Night, one match
// decided by hand, each until the window has repainted.
void roundRobin(WindowRegistry &windows, FileAnswer &dialogs, int runs)
{
    const Tool robin {"round robin", "cmdRoundRobin", WindowId::RoundRobin, "cmdBack", 1.0};
    std::vector<double> opening, board;
    for (int run = 0; run < runs; ++run) {
        opening.push_back(openFromMenu(windows, robin));
        backToMenu(windows, robin);
        board.push_back(openFromMenu(windows, Tools[3]));
        backToMenu(windows, Tools[3]);
    }
    print(compared(QStringLiteral("menu click to the round robin's first paint, beside the "
                                  "32-man board's"),
                   opening, board, robin.target));

    auto *window = static_cast<RoundRobinWindow *>(windows.show(WindowId::RoundRobin));
    waitForPaint(window);
    const auto action = [window](const char *text) {
        for (QAction *each : window->actions())
            if (each->text() == QLatin1String(text))
                return each;
        qFatal("no %s", text);
    };
    QStringList names;
    for (int name = 1; name <= 48; ++name)
        names << QStringLiteral("Wrestler Number %1").arg(name);
    dialogs.fillIn = [&names](QDialog &dialog) {
        dialog.findChild<QPlainTextEdit *>(QStringLiteral("rrNames"))
                ->setPlainText(names.join(u'\n'));
        dialog.findChild<QSpinBox *>(QStringLiteral("rrBlockCount"))->setValue(4);
        dialog.findChild<QSpinBox *>(QStringLiteral("rrPerBlock"))->setValue(12);
        dialog.findChild<QAbstractButton *>(QStringLiteral("rrShuffled"))->click();
        return true;
    };
    auto *schedule = window->findChild<QTreeView *>(QStringLiteral("treeSchedule"));
    const auto timed = [window](const std::function<void()> &change) {
        startWatchingPaints();
        const auto start = Clock::now();
        change();
        waitForPaint(window);
        return millisecondsSince(start);
    };
    std::vector<double> draws, slowestNights, decisions;
    for (int run = 0; run < runs; ++run) {
        draws.push_back(timed([&] { action("Draw the Blocks...")->trigger(); }));
        double slowest = 0;
        for (int night = 0; night < window->file().tournament.nights(); ++night) {
            schedule->setCurrentIndex(schedule->model()->index(night, 0));
            slowest = std::max(slowest, timed([&] { action("Random Night")->trigger(); }));
        }
        slowestNights.push_back(slowest);
        const RoundRobin::Match first = window->file().tournament.matches().first();
        decisions.push_back(timed([&] { window->decide(first, RoundRobin::Result::Drawn); }));
    }
    dialogs.fillIn = nullptr;
    windows.unload(WindowId::RoundRobin);
    settle();
    print({QStringLiteral("round robin: draw four blocks of twelve"), median(draws), 0,
           QStringLiteral("ms"), 16, true});
    print({QStringLiteral("round robin: Random Night, the slowest of 11"), median(slowestNights), 0,
           QStringLiteral("ms"), 16, true});
    print({QStringLiteral("round robin: a match decided by hand"), median(decisions), 0,
           QStringLiteral("ms"), 16, true});
}

// Generate after Generate: the list of earlier gimmicks grows by a row each time, and a click
// late in a long session must cost about what the first ones did.
void generates(WindowRegistry &windows, int count)
{
    startWatchingPaints();
    QWidget *generator = windows.show(WindowId::Roster);
    waitForPaint(generator);
    constexpr int Block = 1000;
    double first = 0, last = 0;
    for (int block = 0; block < count / Block; ++block) {
        const auto start = Clock::now();
        for (int i = 0; i < Block; ++i) {
            click(generator, "cmdAddWrestler");
            QCoreApplication::processEvents();
        }
        const double perClick = millisecondsSince(start) * 1000 / Block;
        if (block == 0)
            first = perClick;
        last = perClick;
    }
    windows.unload(WindowId::Roster);
    settle();
    print({QStringLiteral("Generate %1 (last thousand vs first)").arg(count), last, first,
           QStringLiteral("us"), 1.5});
}

// --- Results in words -------------------------------------------------------------------------

// A thirty-two-man board played through, its results written in every format: read off the
// board's slots and written out, as Copy Results and Save Results... do.
void results(WindowRegistry &windows, int runs)
{
    startWatchingPaints();
    auto *board = static_cast<BoardWindow *>(windows.show(WindowId::ThirtyTwo));
    waitForPaint(board);
    fillEntries(board);
    for (const Board::Match &match : board->table().bracket.matches)
        click(board, match.upperButton);
    click(board, "Command1"); // the final
    const auto *writer = board->findChild<BoardResults *>();
    constexpr int Repeats = 100;
    for (auto [name, format] : {std::pair {"plain text", Results::Format::PlainText},
                                {"Markdown", Results::Format::Markdown},
                                {"BBCode", Results::Format::BBCode},
                                {"web page", Results::Format::Html}}) {
        std::vector<double> times;
        for (int run = 0; run < runs; ++run) {
            const auto start = Clock::now();
            for (int i = 0; i < Repeats; ++i)
                writer->text(format);
            times.push_back(millisecondsSince(start) / Repeats);
        }
        print({QStringLiteral("32-man results as %1").arg(QLatin1String(name)), median(times), 0,
               QStringLiteral("ms"), 1, true});
    }
    windows.unload(WindowId::ThirtyTwo);
    settle();
}

// --- Memory, in fresh processes ---------------------------------------------------------------

// The program as main() starts it, with its menu painted.
struct Program
{
    Program()
    {
        registerWindows(shell);
        startWatchingPaints();
        waitForPaint(shell.windows().show(WindowId::Main));
    }
    FileAnswer dialogs;
    Shell shell {dialogs};
};

// Opens every window once, as a user would, and reports the resident memory then.
int everyWindow(int argc, char *argv[])
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication app(argc, argv);
    Program program;
    WindowRegistry &windows = program.shell.windows();
    for (const Tool &tool : Tools) {
        openFromMenu(windows, tool);
        backToMenu(windows, tool);
    }
    startWatchingPaints();
    waitForPaint(windows.show(WindowId::FeudPlanner));
    windows.unload(WindowId::FeudPlanner);
    settle();
    std::printf("%lld\n", residentKiB());
    return 0;
}

// The same for bare windows of the same sizes, pictures and widgets.
int everyBareWindow(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const std::vector<BareWindow::Recipe> recipes
            = BareWindow::readRecipes(QString::fromLocal8Bit(argv[2]));
    for (const BareWindow::Recipe &recipe : recipes)
        openBare(recipe);
    BareWindow menu(recipes.front());
    showing(&menu);
    std::printf("%lld\n", residentKiB());
    return 0;
}

double memoryOf(const QStringList &arguments)
{
    QProcess process;
    process.setWorkingDirectory(QStringLiteral(KAYFABE_SOURCE_DIR));
    process.start(QCoreApplication::applicationFilePath(), arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        qFatal("%s failed", qPrintable(arguments.join(QLatin1Char(' '))));
    return process.readAllStandardOutput().trimmed().toDouble() / 1024;
}

void memory(WindowRegistry &windows, const QString &recipeFile, int runs)
{
    std::vector<BareWindow::Recipe> recipes;
    for (WindowId id :
         {WindowId::Main, WindowId::Four, WindowId::Eight, WindowId::Sixteen, WindowId::ThirtyTwo,
          WindowId::Random, WindowId::Roster, WindowId::FeudPlanner}) {
        recipes.push_back(BareWindow::recipeOf(windows.show(id)));
        if (id != WindowId::Main)
            windows.unload(id);
    }
    settle();
    BareWindow::writeRecipes(recipeFile, recipes);
    std::vector<double> program, floor;
    for (int run = 0; run < runs; ++run) {
        program.push_back(memoryOf({QStringLiteral("--every-window")}));
        floor.push_back(memoryOf({QStringLiteral("--every-bare-window"), recipeFile}));
    }
    print({QStringLiteral("resident memory, every window opened once"), median(program),
           median(floor), QStringLiteral("MiB"), 8, true});
}

int benchmark(int argc, char *argv[])
{
    int runs = 21;
    int generateCount = 100000;
    QByteArray only; // one part alone, for profiling: start-up, windows, clicks, results, journal,
                     // memory, generates
    for (int i = 1; i + 1 < argc; i += 2) {
        if (qstrcmp(argv[i], "--runs") == 0)
            runs = std::max(1, std::atoi(argv[i + 1]));
        else if (qstrcmp(argv[i], "--generates") == 0)
            generateCount = std::max(1000, std::atoi(argv[i + 1]));
        else if (qstrcmp(argv[i], "--only") == 0)
            only = argv[i + 1];
    }
    const auto part = [&only](const char *name) { return only.isEmpty() || only == name; };
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication app(argc, argv);
    QDir::setCurrent(QStringLiteral(KAYFABE_SOURCE_DIR));
    std::printf("Kayfabe Kit %s, Qt %s, platform %s: medians of %d runs\n\n", KAYFABE_VERSION,
                qVersion(), qPrintable(QGuiApplication::platformName()), runs);
    std::printf("%-44s %13s %13s %11s  %s\n", "figure", "program", "floor", "ratio", "target");
    Program program;
    WindowRegistry &windows = program.shell.windows();
    QTemporaryDir folder;
    // The boards keep their journals as the program's do, though not in the user's folder.
    program.shell.setJournalFolder(folder.filePath(QStringLiteral("journal")));
    const QString menuRecipe = folder.filePath(QStringLiteral("menu"));
    BareWindow::writeRecipes(menuRecipe, {BareWindow::recipeOf(windows.instance(WindowId::Main))});

    if (part("start-up"))
        startUp(menuRecipe, runs);
    if (part("windows"))
        windowOpening(windows, runs);
    if (part("clicks"))
        heavyClicks(windows, program.dialogs, runs);
    if (part("results"))
        results(windows, runs);
    if (part("journal"))
        journalClicks(program.shell, runs);
    if (part("memory"))
        memory(windows, folder.filePath(QStringLiteral("recipes")), std::min(runs, 5));
    if (part("generates"))
        generates(windows, generateCount);
    if (part("draw"))
        drawField(windows, program.dialogs, runs);
    if (part("round-robin"))
        roundRobin(windows, program.dialogs, runs);
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    const QByteArray mode = argc > 1 ? QByteArray(argv[1]) : QByteArray();
    if (mode == "--bare-window")
        return bareWindow(argc, argv);
    if (mode == "--every-window")
        return everyWindow(argc, argv);
    if (mode == "--every-bare-window")
        return everyBareWindow(argc, argv);
    return benchmark(argc, argv);
}
