// SPDX-License-Identifier: GPL-3.0-or-later
#include "roundrobinwindow.h"

#include "dialogs.h"
#include "form.h"
#include "journal.h"
#include "keptstates.h"
#include "randomgenerator.h"
#include "readfile.h"
#include "resultspublisher.h"
#include "roundrobinmodels.h"
#include "safesave.h"
#include "shell.h"

#include <QAction>
#include <QBoxLayout>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPaintEvent>
#include <QPainter>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QTreeView>
#include <QUndoStack>

using RoundRobin::Match;
using RoundRobin::Result;

namespace {

const QString Caption = QStringLiteral("Round Robin");

// One step of the history: the whole round robin before and after, which is small.
class Step : public QUndoCommand
{
public:
    Step(const QString &what, RoundRobin::File before, RoundRobin::File after,
         std::function<void(const RoundRobin::File &)> show)
        : QUndoCommand(what)
        , m_before(std::move(before))
        , m_after(std::move(after))
        , m_show(std::move(show))
    { }

    void undo() override { m_show(m_before); }
    void redo() override { m_show(m_after); }

private:
    RoundRobin::File m_before, m_after;
    std::function<void(const RoundRobin::File &)> m_show;
};

Form::Button *button(QWidget *parent, const char *name, const QString &caption,
                     const QString &spoken)
{
    auto *made = new Form::Button(caption, parent);
    made->setObjectName(QLatin1String(name));
    made->setAccessibleName(spoken);
    made->setColours(Form::Blue, Form::White);
    made->setMinimumHeight(28);
    made->setAutoDefault(true);
    return made;
}

QTableView *tableView(QWidget *parent, QAbstractItemModel *model, const QString &spoken)
{
    auto *view = new QTableView(parent);
    view->setModel(model);
    view->setAccessibleName(spoken);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->verticalHeader()->setVisible(false);
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);
    return view;
}

// The width of the widest text: only the few longest are measured, for measuring is shaping.
int widest(QStringList texts, const QFontMetrics &metrics)
{
    const auto longest = std::min<qsizetype>(texts.size(), 3);
    std::partial_sort(texts.begin(), texts.begin() + longest, texts.end(),
                      [](const QString &a, const QString &b) { return a.size() > b.size(); });
    int width = 0;
    for (qsizetype i = 0; i < longest; ++i)
        width = std::max(width, metrics.horizontalAdvance(texts[i]));
    return width;
}

// The names a round robin is drawn from: its wrestlers block by block.
QStringList everyone(const RoundRobin::Tournament &tournament)
{
    QStringList names;
    for (const QStringList &block : tournament.blocks())
        names += block;
    return names;
}

} // namespace

RoundRobinWindow::RoundRobinWindow(Shell &shell)
    : m_shell(shell)
    , m_picture(shell.pictures().load(QStringLiteral("gfx/background.jpg")))
    , m_history(new QUndoStack(this))
    , m_schedule(new ScheduleModel(this))
{
    setObjectName(QStringLiteral("frmRoundRobin"));
    setWindowTitle(Caption);
    build();
    addKeys();
    m_publisher = new ResultsPublisher(
            this, shell,
            {[this](const QString &heading) { return report(heading); },
             [this] { return m_file.event; },
             [this](const QString &name) {
                 change(tr("Event Name"), [&name](RoundRobin::File &file) { file.event = name; });
             }});
    attachJournal();
    setContextMenuPolicy(Qt::ActionsContextMenu);
    resize(1120, 680);
}

RoundRobinWindow::~RoundRobinWindow()
{
    if (m_kept)
        m_kept->leaving();
}

void RoundRobinWindow::build()
{
    m_heading = new QLabel(this);
    m_heading->setObjectName(QStringLiteral("lblEvent"));
    m_heading->setTextFormat(Qt::PlainText);
    QFont large = m_shell.fonts().font("Impact", 18, false);
    m_heading->setFont(large);
    QPalette white = m_heading->palette();
    white.setColor(QPalette::WindowText, Qt::white);
    m_heading->setPalette(white);

    m_blockTabs = new QTabWidget(this);
    m_blockTabs->setObjectName(QStringLiteral("tabBlocks"));
    m_blockTabs->setAccessibleName(tr("Standings of each block"));
    connect(m_blockTabs, &QTabWidget::currentChanged, this, &RoundRobinWindow::fillBlockTab);
    auto *splitter = new QSplitter(this);
    splitter->addWidget(buildSchedule());
    splitter->addWidget(m_blockTabs);
    splitter->setSizes({500, 600});

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_heading);
    layout->addWidget(splitter, 1);
    layout->addWidget(buildButtons());
    showHeading();
    rebuildBlocks();
}

QWidget *RoundRobinWindow::buildSchedule()
{
    auto *panel = new QWidget(this);
    m_scheduleView = new QTreeView(panel);
    m_scheduleView->setObjectName(QStringLiteral("treeSchedule"));
    m_scheduleView->setAccessibleName(tr("Schedule: each night and its matches"));
    m_scheduleView->setModel(m_schedule);
    m_scheduleView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_scheduleView->setUniformRowHeights(true);
    // Sized to the names once per draw of the blocks: sizing on every result would measure every
    // row again.

    auto *decisions = new QHBoxLayout;
    const struct
    {
        const char *name;
        QString caption, spoken;
        Result result;
    } ways[] = {
            {"cmdFirstWins", tr("First Wins (1)"), tr("The first-named wins the selected match"),
             Result::FirstWon},
            {"cmdSecondWins", tr("Second Wins (2)"), tr("The second-named wins the selected match"),
             Result::SecondWon},
            {"cmdDraw", tr("Draw (D)"), tr("The selected match is a draw"), Result::Drawn},
            {"cmdNotPlayed", tr("Not Played (Del)"), tr("The selected match is not played yet"),
             Result::Unplayed},
    };
    for (const auto &way : ways) {
        auto *decide = button(panel, way.name, way.caption, way.spoken);
        connect(decide, &QAbstractButton::clicked, this,
                [this, result = way.result] { decideSelected(result); });
        decisions->addWidget(decide);
    }
    auto *random = button(panel, "cmdRandomMatch", tr("Random (R)"),
                          tr("Decide the selected match at random"));
    connect(random, &QAbstractButton::clicked, this, [this] {
        if (const std::optional<Match> match = selectedMatch())
            decideAtRandom(*match);
    });
    auto *night = button(panel, "cmdRandomNight", tr("Random Night"),
                         tr("Decide every match of the selected night not yet played at random"));
    connect(night, &QAbstractButton::clicked, this,
            [this] { decideNightAtRandom(selectedNight()); });
    decisions->addWidget(random);
    decisions->addWidget(night);

    auto *layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_scheduleView, 1);
    layout->addLayout(decisions);
    return panel;
}

QWidget *RoundRobinWindow::buildButtons()
{
    auto *row = new QWidget(this);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    const struct
    {
        const char *name;
        QString caption, spoken;
        void (RoundRobinWindow::*run)();
    } buttons[] = {
            {"cmdDrawBlocks", tr("Draw the Blocks..."), tr("Draw the blocks from a list of names"),
             &RoundRobinWindow::drawBlocks},
            {"cmdSave", tr("Save..."), tr("Save the round robin to a file"),
             &RoundRobinWindow::save},
            {"cmdLoad", tr("Load..."), tr("Load a round robin from a file"),
             &RoundRobinWindow::load},
            {"cmdSendLeaders", tr("Send Leaders to a Bracket..."),
             tr("Send the block leaders to a bracket board's draw"),
             &RoundRobinWindow::sendLeaders},
    };
    for (const auto &each : buttons) {
        auto *made = button(row, each.name, each.caption, each.spoken);
        connect(made, &QAbstractButton::clicked, this, each.run);
        layout->addWidget(made);
    }
    auto *results = button(row, "cmdSaveResults", tr("Save Results..."),
                           tr("Save the results as a web page, Markdown, BBCode or plain text"));
    connect(results, &QAbstractButton::clicked, this, [this] { m_publisher->save(); });
    layout->addWidget(results);
    layout->addStretch(1);
    auto *back = button(row, "cmdBack", tr("Back"), tr("Back to the main menu"));
    connect(back, &QAbstractButton::clicked, this, [this] {
        m_shell.windows().run(std::vector<NavStep> {{NavOp::Show, WindowId::Main},
                                                    {NavOp::Unload, WindowId::RoundRobin}});
    });
    layout->addWidget(back);
    return row;
}

void RoundRobinWindow::addKeys()
{
    const auto entry = [this](const QString &text, const QList<QKeySequence> &keys,
                              std::function<void()> run) {
        auto *action = new QAction(text, this);
        action->setShortcuts(keys);
        connect(action, &QAction::triggered, this, std::move(run));
        addAction(action);
        return action;
    };
    addAction(m_history->createUndoAction(this, tr("Undo")));
    actions().last()->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    addAction(m_history->createRedoAction(this, tr("Redo")));
    actions().last()->setShortcuts(
            {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    entry(tr("Draw the Blocks..."), {QKeySequence(Qt::CTRL | Qt::Key_D)}, [this] { drawBlocks(); });
    entry(tr("Random Night"), {QKeySequence(Qt::CTRL | Qt::Key_R)},
          [this] { decideNightAtRandom(selectedNight()); });
    entry(tr("Save..."), {QKeySequence(Qt::CTRL | Qt::Key_S)}, [this] { save(); });
    entry(tr("Load..."), {QKeySequence(Qt::CTRL | Qt::Key_O)}, [this] { load(); });
    entry(tr("Send Leaders to a Bracket..."), {}, [this] { sendLeaders(); });
    // The selected match's keys, shown in its buttons' captions rather than the menu.
    const struct
    {
        QKeySequence key;
        Result result;
    } decisions[] = {{QKeySequence(Qt::Key_1), Result::FirstWon},
                     {QKeySequence(Qt::Key_2), Result::SecondWon},
                     {QKeySequence(Qt::Key_D), Result::Drawn},
                     {QKeySequence(Qt::Key_Delete), Result::Unplayed}};
    for (const auto &decision : decisions) {
        auto *action = new QAction(this);
        action->setShortcut(decision.key);
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        connect(action, &QAction::triggered, this,
                [this, result = decision.result] { decideSelected(result); });
        m_scheduleView->addAction(action);
    }
    auto *random = new QAction(this);
    random->setShortcut(QKeySequence(Qt::Key_R));
    random->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(random, &QAction::triggered, this, [this] {
        if (const std::optional<Match> match = selectedMatch())
            decideAtRandom(*match);
    });
    m_scheduleView->addAction(random);
}

void RoundRobinWindow::attachJournal()
{
    const QString folder = m_shell.journalFolder();
    if (folder.isEmpty())
        return;
    const auto fileIn = [](const QByteArray &bytes) -> std::optional<RoundRobin::File> {
        const std::optional<Journal::Unsealed> unsealed = Journal::unsealed(bytes);
        return unsealed ? RoundRobin::read(unsealed->state).file : std::nullopt;
    };
    KeptStates::Window hooks;
    hooks.kind = {QStringLiteral("roundrobin"), [fileIn](const QByteArray &a, const QByteArray &b) {
                      const std::optional<RoundRobin::File> first = fileIn(a), second = fileIn(b);
                      return first && second && *first == *second;
                  }};
    hooks.what = tr("the round robin's last state");
    hooks.damaged = tr("A damaged round robin");
    hooks.noneKept = tr("No round robins kept yet");
    hooks.now = [this]() -> std::optional<QByteArray> {
        if (m_file == RoundRobin::File {})
            return std::nullopt;
        return Journal::sealed(RoundRobin::write(m_file), QDateTime::currentDateTimeUtc());
    };
    hooks.describe = [fileIn](const QByteArray &bytes) -> KeptStates::Entry {
        const std::optional<RoundRobin::File> file = fileIn(bytes);
        if (!file)
            return {tr("A damaged round robin")};
        const QString left = Journal::whenLeft(Journal::unsealed(bytes)->left,
                                               int(everyone(file->tournament).size()),
                                               QDateTime::currentDateTime());
        return {file->event.isEmpty() ? left : file->event + QStringLiteral(", ") + left, true};
    };
    hooks.shows = [this, fileIn](const QByteArray &bytes) { return fileIn(bytes) == m_file; };
    hooks.restore = [this, fileIn](const QByteArray &bytes) {
        if (const std::optional<RoundRobin::File> file = fileIn(bytes))
            change(tr("Restore Round Robin"), [&file](RoundRobin::File &now) { now = *file; });
    };
    m_kept = new KeptStates(this, folder, std::move(hooks), tr("Restore Round Robin"));
    addAction(m_kept->menu()->menuAction());
}

void RoundRobinWindow::change(const QString &what,
                              const std::function<void(RoundRobin::File &)> &edit)
{
    RoundRobin::File after = m_file;
    edit(after);
    if (after == m_file)
        return;
    m_history->push(new Step(what, m_file, std::move(after),
                             [this](const RoundRobin::File &file) { show(file); }));
}

void RoundRobinWindow::show(const RoundRobin::File &file)
{
    m_file = file;
    if (m_file.tournament.blocks() != m_shownBlocks) {
        rebuildBlocks();
    } else {
        m_schedule->show(m_file.tournament);
        for (StandingsModel *standings : std::as_const(m_standings))
            if (standings)
                standings->show(m_file.tournament);
        for (CrossTableModel *crossTable : std::as_const(m_crossTables))
            if (crossTable)
                crossTable->show(m_file.tournament);
    }
    showHeading();
    if (m_kept)
        m_kept->changed();
}

// New blocks: a new schedule, and a tab for each block, whose tables are made when it is first
// shown.
void RoundRobinWindow::rebuildBlocks()
{
    m_shownBlocks = m_file.tournament.blocks();
    m_schedule->show(m_file.tournament);
    m_scheduleView->expandAll();
    sizeScheduleColumns();
    const QSignalBlocker quiet(m_blockTabs);
    while (m_blockTabs->count() > 0) {
        QWidget *tab = m_blockTabs->widget(0);
        m_blockTabs->removeTab(0);
        delete tab;
    }
    m_standings = QList<StandingsModel *>(m_shownBlocks.size(), nullptr);
    m_crossTables = QList<CrossTableModel *>(m_shownBlocks.size(), nullptr);
    for (int block = 0; block < m_shownBlocks.size(); ++block)
        m_blockTabs->addTab(new QWidget, tr("Block %1").arg(RoundRobin::blockName(block)));
    fillBlockTab(m_blockTabs->currentIndex());
    if (m_shownBlocks.isEmpty()) {
        auto *none
                = new QLabel(tr("No blocks yet: Draw the Blocks... (Ctrl+D) or Load... (Ctrl+O)."));
        none->setAlignment(Qt::AlignCenter);
        none->setWordWrap(true);
        m_blockTabs->addTab(none, tr("Blocks"));
    }
}

void RoundRobinWindow::fillBlockTab(int block)
{
    if (block < 0 || block >= m_standings.size() || m_standings[block])
        return;
    QWidget *tab = m_blockTabs->widget(block);
    const QString name = m_blockTabs->tabText(block);
    m_standings[block] = new StandingsModel(m_file.tournament, block, tab);
    m_crossTables[block] = new CrossTableModel(m_file.tournament, block, tab);
    auto *layout = new QVBoxLayout(tab);
    QTableView *standings = tableView(tab, m_standings[block], tr("%1 standings").arg(name));
    layout->addWidget(standings, 1);
    layout->addWidget(new QLabel(tr("Who beat whom (row against column):"), tab));
    QTableView *crossTable
            = tableView(tab, m_crossTables[block], tr("%1, who beat whom").arg(name));
    layout->addWidget(crossTable, 1);
    // The names' column as wide as the longest name, the numbers' as their headings.
    const QFontMetrics metrics(standings->font());
    for (int column = 0; column < m_standings[block]->columnCount(); ++column) {
        const QString heading = m_standings[block]
                                        ->headerData(column, Qt::Horizontal, Qt::DisplayRole)
                                        .toString();
        standings->horizontalHeader()->resizeSection(
                column,
                (column == 1 ? widest(m_file.tournament.blocks()[block], metrics)
                             : metrics.horizontalAdvance(heading))
                        + metrics.height());
    }
    crossTable->verticalHeader()->setVisible(true);
    crossTable->horizontalHeader()->setDefaultSectionSize(metrics.horizontalAdvance(u'W') * 2 + 6);
}

void RoundRobinWindow::sizeScheduleColumns()
{
    const QFontMetrics metrics(m_scheduleView->font());
    QStringList matches;
    for (int night = 0; night < m_schedule->rowCount(); ++night) {
        const QModelIndex parent = m_schedule->index(night, 0);
        for (int match = 0; match < m_schedule->rowCount(parent); ++match)
            matches << m_schedule->index(match, 1, parent).data().toString();
    }
    const int margin = metrics.height();
    m_scheduleView->header()->resizeSection(0,
                                            widest({tr("Night 88"), tr("Block D")}, metrics)
                                                    + 2 * m_scheduleView->indentation() + margin);
    m_scheduleView->header()->resizeSection(1, widest(matches, metrics) + margin);
}

void RoundRobinWindow::showHeading()
{
    const RoundRobin::Tournament &tournament = m_file.tournament;
    const QString played = tr("%1 of %2 matches played")
                                   .arg(QString::number(tournament.played()),
                                        QString::number(tournament.matches().size()));
    m_heading->setText(
            (m_file.event.isEmpty() ? Caption : m_file.event)
            + (tournament.blocks().isEmpty() ? QString() : QStringLiteral(" — ") + played));
}

std::optional<Match> RoundRobinWindow::selectedMatch() const
{
    return m_schedule->matchAt(m_scheduleView->currentIndex());
}

int RoundRobinWindow::selectedNight() const
{
    return m_schedule->nightAt(m_scheduleView->currentIndex());
}

void RoundRobinWindow::decide(const Match &match, Result result)
{
    const QStringList &block = m_file.tournament.blocks()[match.block];
    change(tr("%1 vs. %2").arg(block[match.pairing.first], block[match.pairing.second]),
           [&](RoundRobin::File &file) { file.tournament.setResult(match, result); });
}

void RoundRobinWindow::decideSelected(Result result)
{
    if (const std::optional<Match> match = selectedMatch())
        decide(*match, result);
}

void RoundRobinWindow::decideAtRandom(const Match &match)
{
    decide(match, RoundRobin::randomResult(processRandom()));
}

// One draw for each match not yet played, in the order the night lists them.
void RoundRobinWindow::decideNightAtRandom(int night)
{
    if (night < 0)
        return;
    change(tr("Random Night"), [night](RoundRobin::File &file) {
        for (const Match &match : file.tournament.matchesOfNight(night)) {
            if (file.tournament.result(match) == Result::Unplayed)
                file.tournament.setResult(match, RoundRobin::randomResult(processRandom()));
        }
    });
}

Results::Report RoundRobinWindow::report(const QString &heading) const
{
    const RoundRobin::Tournament &tournament = m_file.tournament;
    Results::Report report {heading, {}, {}, {}};
    for (int night = 0; night < tournament.nights(); ++night) {
        Results::Round round {tr("Night %1").arg(night + 1), {}};
        for (const Match &match : tournament.matchesOfNight(night)) {
            const QStringList &block = tournament.blocks()[match.block];
            QString first = block[match.pairing.first], second = block[match.pairing.second];
            const Result result = tournament.result(match);
            if (result == Result::SecondWon)
                std::swap(first, second);
            round.bouts << Results::Bout {first, second,
                                          result == Result::Unplayed ? Results::Outcome::Undecided
                                                  : result == Result::Drawn
                                                  ? Results::Outcome::Drawn
                                                  : Results::Outcome::Won};
        }
        report.rounds << round;
    }
    for (int block = 0; block < tournament.blocks().size(); ++block) {
        Results::Standings standings {tr("Block %1").arg(RoundRobin::blockName(block)), {}};
        for (const RoundRobin::Standing &row : tournament.standings(block))
            standings.rows << Results::Standing {tournament.blocks()[block][row.place], row.wins,
                                                 row.losses, row.draws, row.points};
        report.standings << standings;
    }
    return report;
}

void RoundRobinWindow::drawBlocks()
{
    if (!m_file.tournament.blocks().isEmpty()) {
        m_choices.blocks = int(m_file.tournament.blocks().size());
        m_choices.perBlock = int(std::max_element(m_file.tournament.blocks().cbegin(),
                                                  m_file.tournament.blocks().cend(),
                                                  [](const QStringList &a, const QStringList &b) {
                                                      return a.size() < b.size();
                                                  })
                                         ->size());
    }
    BlocksDialog dialog(this, m_shell, everyone(m_file.tournament), m_choices);
    const bool accepted = m_shell.dialogs().exec(dialog);
    m_choices = dialog.choices();
    if (!accepted)
        return;
    if (const auto blocks = dialog.blocks(processRandom()))
        change(tr("Draw the Blocks"), [&blocks](RoundRobin::File &file) {
            file.tournament = RoundRobin::Tournament(*blocks);
        });
}

void RoundRobinWindow::save()
{
    for (const QString &name : everyone(m_file.tournament)) {
        if (!RoundRobin::canStore(name))
            return warn(tr("The round robin was not saved: the name \"%1\" cannot be kept in a "
                           "file as it is (a name in square brackets, or with a character no "
                           "text file holds).")
                                .arg(name.left(100)));
    }
    const QString start
            = m_lastFile.isEmpty() ? Folders::orHome(m_shell.folders().documents) : m_lastFile;
    const QString path = m_shell.dialogs().saveFileName(this, start, tr("Text Files (*.txt)"));
    if (path.isEmpty())
        return;
    m_lastFile = path;
    QString error;
    if (!SafeSave::write(path, RoundRobin::write(m_file), error))
        warn(tr("Could not save the round robin to \"%1\":\n%2")
                     .arg(QDir::toNativeSeparators(path), error));
}

void RoundRobinWindow::load()
{
    const QString start
            = m_lastFile.isEmpty() ? Folders::orHome(m_shell.folders().documents) : m_lastFile;
    const QString path = m_shell.dialogs().openFileName(this, start, tr("Text Files (*.txt)"));
    if (path.isEmpty())
        return;
    m_lastFile = path;
    const QString shown = QDir::toNativeSeparators(path);
    const ReadFile::Result bytes = ReadFile::read(path, RoundRobin::MaxFileBytes);
    if (bytes.problem == ReadFile::Problem::NotAFile
        || bytes.problem == ReadFile::Problem::CannotRead)
        return warn(tr("Could not open \"%1\":\n%2\nThe round robin was not changed.")
                            .arg(shown,
                                 bytes.problem == ReadFile::Problem::NotAFile
                                         ? tr("It is not a file.")
                                         : bytes.reason));
    // A file over the limit is told so by the reader.
    const RoundRobin::ReadResult read = RoundRobin::read(bytes.bytes);
    if (!read.file)
        return warn(tr("\"%1\" is not a round robin this program can read.\n%2\nThe round robin "
                       "was not changed.")
                            .arg(shown, read.error));
    change(tr("Load"), [&read](RoundRobin::File &now) { now = *read.file; });
}

// The leaders go on as a seeded field: every block's winner first, then every block's second...
void RoundRobinWindow::sendLeaders()
{
    const RoundRobin::Tournament &tournament = m_file.tournament;
    if (tournament.blocks().isEmpty())
        return warn(tr("There are no blocks yet, so there are no leaders to send."));
    QDialog dialog(this);
    dialog.setObjectName(QStringLiteral("sendLeadersDialog"));
    dialog.setWindowTitle(tr("Send Leaders to a Bracket"));
    auto *count = new QComboBox(&dialog);
    count->setObjectName(QStringLiteral("rrLeadersCount"));
    count->addItems({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("4")});
    auto *board = new QComboBox(&dialog);
    board->setObjectName(QStringLiteral("rrLeadersBoard"));
    const QList<std::pair<WindowId, QString>> boards {
            {WindowId::Four, tr("4-Man Tournament")},
            {WindowId::Eight, tr("8-Man Tournament")},
            {WindowId::Sixteen, tr("16-Man Tournament")},
            {WindowId::ThirtyTwo, tr("32-Man Tournament")}};
    for (const auto &[id, name] : boards)
        board->addItem(name);
    auto *form = new QFormLayout(&dialog);
    form->addRow(tr("From each &block:"), count);
    form->addRow(tr("To the &board:"), board);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    form->addRow(buttons);
    if (!m_shell.dialogs().exec(dialog))
        return;
    const int each = count->currentText().toInt();
    QStringList leaders;
    for (int place = 0; place < each; ++place) {
        for (int block = 0; block < tournament.blocks().size(); ++block) {
            const QList<RoundRobin::Standing> standings = tournament.standings(block);
            if (place < standings.size())
                leaders << tournament.blocks()[block][standings[place].place];
        }
    }
    const WindowId target = boards.value(board->currentIndex()).first;
    WindowRegistry &windows = m_shell.windows();
    windows.offerField(target, leaders);
    windows.run(
            std::vector<NavStep> {{NavOp::Show, target}, {NavOp::Unload, WindowId::RoundRobin}});
}

void RoundRobinWindow::warn(const QString &text)
{
    m_shell.dialogs().warn(this, windowTitle(), text);
}

// The program's picture behind the window, at its own size; a dark grey where it does not reach.
void RoundRobinWindow::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), QColor(48, 48, 56));
    painter.drawPixmap(0, 0, m_picture);
}

std::unique_ptr<QWidget> makeRoundRobin(Shell &shell)
{
    return std::make_unique<RoundRobinWindow>(shell);
}
