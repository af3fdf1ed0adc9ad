// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawdialog.h"

#include "boardwindow.h"
#include "dialogs.h"
#include "matchgraph.h"
#include "pastenames.h"
#include "randomgenerator.h"
#include "rosterchooser.h"
#include "shell.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

using Drawing::Placing;

namespace {

// The board's entry slots as the pure draw sees them: positions in file order.
Drawing::Field fieldOf(const Board::Table &table)
{
    const std::vector<const char *> entries = Board::entrySlots(table.bracket);
    const auto position = [&entries](const char *slot) {
        const auto found = std::find_if(entries.begin(), entries.end(),
                                        [slot](const char *e) { return qstrcmp(e, slot) == 0; });
        return int(found - entries.begin());
    };
    std::vector<const Board::Match *> round = Board::firstRound(table.bracket);
    std::sort(round.begin(), round.end(), [&](const Board::Match *a, const Board::Match *b) {
        return position(a->upper) < position(b->upper);
    });
    Drawing::Field field;
    for (const Board::Match *match : round)
        field.uppers << position(match->upper), field.lowers << position(match->lower);
    for (const char *slot : Board::bracketOrder(table.bracket))
        field.bracketOrder << position(slot);
    const int places = field.places();
    if (places < 2 || (places & (places - 1)) || size_t(places) != entries.size()
        || size_t(field.uppers.size() * 2) != entries.size())
        qFatal("%s: its entry slots make no bracket to draw", table.window.name);
    return field;
}

// The entry slots' texts a list makes; a shuffle leaves the list in the order it drew.
QStringList arranged(QStringList &names, Placing placing, const Drawing::Field &field,
                     RandomGenerator &random)
{
    if (placing == Placing::Shuffled)
        Drawing::shuffle(names, [&random] { return random.nextValue(); });
    return Drawing::place(names, placing, field);
}

// "1 name" or "3 names".
QString counted(qsizetype count, const char *one, const char *many)
{
    return QStringLiteral("%1 %2").arg(count).arg(QLatin1String(count == 1 ? one : many));
}

} // namespace

DrawDialog::DrawDialog(BoardWindow &board, const QStringList &names,
                       const Drawing::Choices &choices)
    : QDialog(&board)
    , m_board(board)
    , m_field(fieldOf(board.table()))
    , m_listed(new QRadioButton(tr("As &listed"), this))
    , m_shuffled(new QRadioButton(tr("&Shuffled"), this))
    , m_seeded(new QRadioButton(tr("S&eeded"), this))
    , m_advanceByes(new QCheckBox(tr("Advance &byes"), this))
    , m_frame(this, QStringLiteral("draw"), tr("First round"), choicesLayout())
{
    setObjectName(QStringLiteral("drawFieldDialog"));
    setWindowTitle(tr("Draw the Field"));
    setWindowModality(Qt::WindowModal);
    connect(m_frame.loadRoster, &QPushButton::clicked, this, &DrawDialog::loadRoster);
    // Room for a first round of sixteen matches without scrolling.
    resize(620, 460);
    setNames(names);
    (choices.placing == Placing::Seeded             ? m_seeded
             : choices.placing == Placing::Shuffled ? m_shuffled
                                                    : m_listed)
            ->setChecked(true);
    m_advanceByes->setChecked(choices.advanceByes);
    showPreview();
    connect(m_frame.names, &QPlainTextEdit::textChanged, this, [this] {
        m_boxNames.reset(); // typed or pasted: read from the box again
        showPreview();
    });
    for (QRadioButton *way : {m_listed, m_shuffled, m_seeded})
        connect(way, &QRadioButton::toggled, this, &DrawDialog::showPreview);
    m_frame.names->setFocus();
}

QLayout *DrawDialog::choicesLayout()
{
    m_listed->setObjectName(QStringLiteral("drawListed"));
    m_shuffled->setObjectName(QStringLiteral("drawShuffled"));
    m_seeded->setObjectName(QStringLiteral("drawSeeded"));
    m_advanceByes->setObjectName(QStringLiteral("drawAdvanceByes"));
    auto *ways = new QGroupBox(tr("Place the names"), this);
    auto *waysLayout = new QVBoxLayout(ways);
    auto *group = new QButtonGroup(ways);
    for (QRadioButton *way : {m_listed, m_shuffled, m_seeded}) {
        group->addButton(way);
        waysLayout->addWidget(way);
    }
    auto *choices = new QVBoxLayout;
    choices->addWidget(ways);
    choices->addWidget(m_advanceByes);
    return choices;
}

QStringList DrawDialog::names() const
{
    if (!m_boxNames)
        m_boxNames = PasteNames::namesIn(m_frame.names->toPlainText());
    return *m_boxNames;
}

// The box builds a paragraph far more slowly than a line within one, so a roster of thousands
// goes in as paragraphs of a hundred lines each; the box reads back the same lines either way.
void DrawDialog::setNames(const QStringList &names)
{
    const qsizetype linesPerParagraph = names.size() > 1000 ? 100 : 1;
    QString text;
    for (qsizetype i = 0; i < names.size(); i += linesPerParagraph) {
        if (i > 0)
            text += QLatin1Char('\n');
        text += names.mid(i, linesPerParagraph).join(QChar(QChar::LineSeparator));
    }
    const QSignalBlocker quiet(m_frame.names); // the names are known: no need to read them back
    m_frame.names->setPlainText(text);
    m_boxNames = names;
}

Drawing::Choices DrawDialog::choices() const
{
    const Placing placing = m_seeded->isChecked() ? Placing::Seeded
            : m_shuffled->isChecked()             ? Placing::Shuffled
                                                  : Placing::Listed;
    return {placing, m_advanceByes->isChecked()};
}

void DrawDialog::loadRoster()
{
    Shell &shell = m_board.shell();
    if (const auto roster = Roster::choose(this, shell.dialogs(), shell.folders().documents)) {
        setNames(*roster);
        showPreview();
        m_frame.names->setFocus();
    }
}

// What OK would make now; a shuffle is drawn on a copy of the generator, which stays untouched.
void DrawDialog::showPreview()
{
    const QStringList listed = names();
    const Placing placing = choices().placing;
    RandomGenerator copy = processRandom();
    QStringList drawn = listed;
    const QStringList texts = arranged(drawn, placing, m_field, copy);
    const QList<int> seeds = Drawing::seedingOrder(m_field.places());
    QStringList lines;
    for (int i = 0; !listed.isEmpty() && i + 1 < m_field.places(); i += 2) {
        const auto contender = [&](int at) {
            const QString name = texts.at(m_field.bracketOrder.at(at));
            return placing == Placing::Seeded
                    ? QStringLiteral("(%1) %2").arg(seeds.at(at)).arg(name)
                    : name;
        };
        lines << QStringLiteral("%1  v  %2").arg(contender(i), contender(i + 1));
    }
    m_frame.preview->setPlainText(lines.join(QLatin1Char('\n')));
    m_frame.count->setText(countLine(listed.size()));
    m_frame.ok->setEnabled(!listed.isEmpty());
}

QString DrawDialog::countLine(qsizetype names) const
{
    if (names == 0)
        return tr("No names yet: type or paste them, one a line, or load a roster.");
    const qsizetype places = m_field.places();
    const qsizetype in = std::min(names, places);
    const QString goIn = counted(in, "name goes in", "names go in");
    if (names > places)
        return tr("%1, %2 left out.").arg(goIn, counted(names - places, "is", "are"));
    if (names < places)
        return tr("%1, none left out; %2.").arg(goIn, counted(places - names, "bye", "byes"));
    return tr("%1, none left out.").arg(goIn);
}

namespace {

QStringList entryTexts(const BoardWindow &board)
{
    QStringList texts;
    for (const char *entry : Board::entrySlots(board.table().bracket))
        texts << board.slot(entry).text();
    return texts;
}

// The names in the entry slots, in file order: the byes of an earlier draw are no part of it.
QStringList namesOnBoard(const BoardWindow &board)
{
    const Board::Table &table = board.table();
    QStringList names;
    for (const char *entry : Board::entrySlots(table.bracket)) {
        const QString name = board.slot(entry).text().trimmed();
        if (Board::holdsName(name, Board::openingText(table, entry)) && name != Drawing::bye())
            names << name;
    }
    return names;
}

} // namespace

std::function<void()> FieldDraw::ask(BoardWindow &board, Drawing::Memory &memory,
                                     const std::optional<QStringList> &offered)
{
    const QString id = QString::fromLatin1(board.table().bracket.id);
    Drawing::Choices choices = memory.choices;
    QStringList names = namesOnBoard(board);
    if (const auto last = memory.lastDraws.constFind(id);
        last != memory.lastDraws.cend() && last->texts == entryTexts(board)) {
        names = last->names;
        choices = last->choices;
    }
    if (offered) {
        names = *offered;
        choices.placing = Placing::Seeded;
    }
    DrawDialog dialog(board, names, choices);
    const bool accepted = board.shell().dialogs().exec(dialog);
    // As left, OK or Cancel: the next draw offers the same.
    memory.choices = dialog.choices();
    if (!accepted)
        return {};
    choices = dialog.choices();
    names = dialog.names();
    const QStringList texts
            = arranged(names, choices.placing, fieldOf(board.table()), processRandom());
    Drawing::Choices again = choices;
    if (again.placing == Placing::Shuffled)
        again.placing = Placing::Listed;
    memory.lastDraws.insert(id, {names, again, texts});
    return [&board, texts, choices] {
        board.showOpening();
        const std::vector<const char *> entries = Board::entrySlots(board.table().bracket);
        for (size_t i = 0; i < entries.size(); ++i)
            board.slot(entries[i]).setText(texts.at(qsizetype(i)));
        if (choices.advanceByes)
            advanceByes(board);
    };
}

bool FieldDraw::advanceByes(BoardWindow &board)
{
    const Board::Table &table = board.table();
    const auto holdsName = [&](const char *slot) {
        return Board::holdsName(board.slot(slot).text(), Board::openingText(table, slot));
    };
    const auto results = [&](const Board::Match &match) {
        QStringList texts;
        for (const char *winner : match.winners)
            texts << board.slot(winner).text();
        if (match.loser)
            texts << board.slot(match.loser).text();
        return texts;
    };
    bool changedAny = false;
    // Each pass that changes something moves a bye a round on, so the rounds bound the passes.
    for (size_t pass = 0; pass <= table.bracket.matches.size(); ++pass) {
        bool changed = false;
        for (const Board::Match &match : table.bracket.matches) {
            const Drawing::ByeCall call
                    = Drawing::byeCall(board.slot(match.upper).text(), holdsName(match.upper),
                                       board.slot(match.lower).text(), holdsName(match.lower));
            if (call == Drawing::ByeCall::Wait)
                continue;
            const QStringList before = results(match);
            board.advance(match, call == Drawing::ByeCall::Upper);
            changed = changed || results(match) != before;
        }
        changedAny = changedAny || changed;
        if (!changed)
            break;
    }
    return changedAny;
}
