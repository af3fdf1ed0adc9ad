// SPDX-License-Identifier: GPL-3.0-or-later
#include "boardwindow.h"

#include "boardhistory.h"
#include "matchgraph.h"
#include "randomgenerator.h"
#include "shell.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QTimer>

using namespace Board;

namespace {

const QString ChampionPrefix = QStringLiteral("Winner: ");

QString withoutChampionPrefix(QString name)
{
    while (name.startsWith(ChampionPrefix))
        name.remove(0, ChampionPrefix.size());
    return name;
}

// Captions that tell a screen reader user nothing about what the button decides.
bool isTerse(const QString &caption)
{
    static const QStringList terse {QStringLiteral(">"), QStringLiteral("<"),
                                    QStringLiteral("Random"), QStringLiteral("Win")};
    return terse.contains(caption);
}

// "the winner of semi-final 1" for a slot a match fills; empty for an entry slot.
QString origin(const std::vector<Match> &matches, const char *slot)
{
    for (const Match &match : matches) {
        for (const char *winner : match.winners) {
            if (qstrcmp(winner, slot) == 0)
                return QStringLiteral("the winner of ") + QString::fromUtf8(match.title);
        }
        if (match.loser && qstrcmp(match.loser, slot) == 0)
            return QStringLiteral("the loser of ") + QString::fromUtf8(match.title);
    }
    return {};
}

QString advanceName(const std::vector<Match> &matches, const Match &match, const char *contender,
                    const char *side)
{
    const QString title = QString::fromUtf8(match.title);
    const QString from = origin(matches, contender);
    if (from.isEmpty())
        return QStringLiteral("Advance the %1 contender of %2").arg(QLatin1String(side), title);
    return QStringLiteral("Advance %1 in %2").arg(from, title);
}

// A label's own size; what a long name is shown in follows from it.
void setPoints(QWidget *widget, qreal points)
{
    auto *label = qobject_cast<Form::Label *>(widget);
    if (!label)
        return;
    QFont font = label->specifiedFont();
    font.setPointSizeF(points);
    label->setFont(font);
}

} // namespace

BoardWindow::BoardWindow(Shell &shell, const Table &table)
    : FormWindow(shell, table.window, table.widgets)
    , m_table(table)
    , m_history(new BoardHistory(*this))
{
    m_tableWidgets.reserve(qsizetype(table.widgets.size()));
    for (const Form::Row &row : table.widgets)
        m_tableWidgets << widget(row.name);
    wireMatches();
    wireActions();
    wirePicks();
    wireFiles();
    wireBack();
    checkEveryButtonWired();
    checkFinals();
    giveSpokenNames();
    m_opening = looks();
}

BoardWindow::~BoardWindow()
{
    // Before the widgets go: the journal reads them.
    Q_EMIT unloading();
    QAccessible::removeActivationObserver(this);
}

BoardLooks BoardWindow::looks() const
{
    BoardLooks looks;
    looks.reserve(size_t(m_tableWidgets.size()));
    for (QWidget *widget : m_tableWidgets) {
        WidgetLook look;
        if (Slot::isSlot(widget))
            look.text = Slot(widget).text();
        look.hidden = widget->isHidden();
        if (auto *label = qobject_cast<const Form::Label *>(widget))
            look.points = label->specifiedFont().pointSizeF();
        looks.push_back(std::move(look));
    }
    return looks;
}

void BoardWindow::showLooks(const BoardLooks &to, const BoardLooks *from)
{
    const BoardLooks now = looks();
    for (size_t i = 0; i < to.size(); ++i) {
        QWidget *widget = m_tableWidgets[qsizetype(i)];
        const WidgetLook &want = to[i], &was = from ? (*from)[i] : now[i];
        // The size first: a label that fits its caption fits it again at its new size.
        if (was.points != want.points && now[i].points != want.points)
            setPoints(widget, want.points);
        // Setting a text box's text clears its own typing history; only when it must.
        if (was.text != want.text && now[i].text != want.text)
            Slot(widget).setText(want.text);
        if (was.hidden != want.hidden && now[i].hidden != want.hidden)
            widget->setHidden(want.hidden);
    }
}

void BoardWindow::record(const QString &what, const std::function<void()> &change)
{
    attachNow();
    m_history->record(what, change);
}

void BoardWindow::attachLater(std::function<void(BoardWindow &)> attach)
{
    m_attach = std::move(attach);
}

void BoardWindow::attachNow()
{
    if (const auto attach = std::exchange(m_attach, {}))
        attach(*this);
}

BoardWindow::Steps BoardWindow::compile(const std::vector<Step> &steps) const
{
    Steps compiled;
    compiled.reserve(steps.size());
    for (const Step &step : steps) {
        Compiled c {step.op, widget(step.target), nullptr, QString(), step.points};
        const bool writesSlot
                = step.op == Op::Copy || step.op == Op::SetText || step.op == Op::ChampionLine;
        if (step.op == Op::Copy || step.op == Op::ChampionLine)
            c.source = widget(step.source);
        else if (step.op == Op::SetText)
            c.text = QString::fromUtf8(step.source);
        if ((writesSlot && !Slot::isSlot(c.target)) || (c.source && !Slot::isSlot(c.source)))
            qFatal("%s: step on %s names a widget that holds no name", qPrintable(objectName()),
                   step.target);
        if (step.op == Op::PointSize && !qobject_cast<Form::Label *>(c.target))
            qFatal("%s: only a label's size can change, not %s's", qPrintable(objectName()),
                   step.target);
        compiled.push_back(std::move(c));
    }
    return compiled;
}

void BoardWindow::connectButton(const char *name, std::function<void()> handler)
{
    auto *button = widget<QAbstractButton>(name);
    if (m_wired.value(button->objectName()))
        qFatal("%s: button %s is wired twice", qPrintable(objectName()), name);
    m_wired.insert(button->objectName(), true);
    connect(button, &QAbstractButton::clicked, this, std::move(handler));
}

void BoardWindow::paintEvent(QPaintEvent *event)
{
    FormWindow::paintEvent(event);
    if (m_attach)
        QTimer::singleShot(0, this, [this] { attachNow(); });
}

// Every click that can change the board is one step of its undo history, named for the user.
std::function<void()> BoardWindow::recorded(const QString &what, std::function<void()> handler)
{
    return [this, what, handler = std::move(handler)] { record(what, handler); };
}

QString BoardWindow::caption(const char *button) const
{
    return widget<QAbstractButton>(button)->text();
}

void BoardWindow::addAction(const char *button, Steps steps, const QString &what)
{
    const QString name = QString::fromLatin1(button);
    m_actions.insert(name, std::move(steps));
    connectButton(button, recorded(what, [this, name] { runButton(name); }));
}

void BoardWindow::wireMatches()
{
    for (const Match &match : m_table.bracket.matches) {
        auto advance = [&match](const char *contender, const char *other) {
            std::vector<Step> steps;
            for (const char *winner : match.winners)
                steps.push_back(copy(winner, contender));
            if (match.loser)
                steps.push_back(copy(match.loser, other));
            return steps;
        };
        const QString title = QString::fromUtf8(match.title);
        addAction(match.upperButton, compile(advance(match.upper, match.lower)), title);
        addAction(match.lowerButton, compile(advance(match.lower, match.upper)), title);
        nameMatchButtons(match);
    }
}

void BoardWindow::nameMatchButtons(const Match &match)
{
    speak(match.upperButton, advanceName(m_table.bracket.matches, match, match.upper, "upper"));
    speak(match.lowerButton, advanceName(m_table.bracket.matches, match, match.lower, "lower"));
    if (match.pick)
        speak(match.pick,
              QStringLiteral("Pick the winner of %1 at random")
                      .arg(QString::fromUtf8(match.title)));
}

void BoardWindow::speak(const char *button, const QString &name)
{
    if (!name.isEmpty())
        m_spokenNames.insert(widget(button), name);
}

// Giving a button its name tells the accessibility layer, which costs more than making the name,
// so the names are given only once a screen reader listens: at once, or when one starts.
void BoardWindow::giveSpokenNames()
{
    if (!QAccessible::isActive()) {
        QAccessible::installActivationObserver(this);
        return;
    }
    for (auto it = m_spokenNames.constBegin(); it != m_spokenNames.constEnd(); ++it)
        it.key()->setAccessibleName(it.value());
}

void BoardWindow::accessibilityActiveChanged(bool active)
{
    if (!active)
        return;
    QAccessible::removeActivationObserver(this);
    for (auto it = m_spokenNames.constBegin(); it != m_spokenNames.constEnd(); ++it)
        it.key()->setAccessibleName(it.value());
}

void BoardWindow::wireActions()
{
    for (const Action &action : m_table.actions) {
        addAction(action.button, compile(action.steps), caption(action.button));
        speak(action.button, QString::fromUtf8(action.spokenName));
    }
}

void BoardWindow::wirePicks()
{
    std::vector<Pick> picks = m_table.picks;
    const PickRule &rule = m_table.pickRule;
    for (const Match &match : m_table.bracket.matches) {
        if (match.pick)
            picks.push_back(
                    {match.pick,
                     rule.draw,
                     {{rule.upperWins, match.upperButton}, {rule.lowerWins, match.lowerButton}}});
    }
    for (const Pick &pick : picks) {
        std::vector<std::pair<int, Steps>> outcomes;
        for (const Outcome &outcome : pick.outcomes) {
            if (outcome.asButton && !m_actions.contains(QString::fromLatin1(outcome.asButton)))
                qFatal("%s: pick %s acts as %s, which does nothing", qPrintable(objectName()),
                       pick.button, outcome.asButton);
            outcomes.emplace_back(outcome.draw,
                                  outcome.asButton
                                          ? m_actions.value(QString::fromLatin1(outcome.asButton))
                                          : compile(outcome.steps));
        }
        speak(pick.button, QString::fromUtf8(pick.spokenName));
        const Draw form = pick.draw;
        connectButton(pick.button,
                      recorded(caption(pick.button), [this, form, outcomes = std::move(outcomes)] {
                          m_drawHolder = qint16(draw(form));
                          for (const auto &[result, steps] : outcomes) {
                              if (result == m_drawHolder)
                                  perform(steps);
                          }
                      }));
    }
}

void BoardWindow::wireFiles()
{
    for (const Line &line : m_table.bracket.slotList) {
        if (!Slot::isSlot(widget(line.slot)))
            qFatal("%s: file line %s names a widget that holds no name", qPrintable(objectName()),
                   line.slot);
    }
    connectButton(m_table.saveButton, [this] { Q_EMIT saveClicked(); });
    connectButton(m_table.loadButton,
                  recorded(caption(m_table.loadButton), [this] { Q_EMIT loadClicked(); }));
}

void BoardWindow::wireBack()
{
    connectButton(m_table.backButton, [this] { shell().windows().run(m_table.back); });
}

void BoardWindow::checkEveryButtonWired() const
{
    for (const Form::Row &row : m_table.widgets) {
        if (row.kind != Form::Kind::Button)
            continue;
        if (!m_wired.value(QString::fromLatin1(row.name)))
            qFatal("%s: button %s does nothing", qPrintable(objectName()), row.name);
        if (isTerse(QString::fromUtf8(row.text)) && !m_spokenNames.contains(widget(row.name)))
            qFatal("%s: button %s has no name a screen reader could say", qPrintable(objectName()),
                   row.name);
    }
}

void BoardWindow::checkFinals() const
{
    for (const Final &final : m_table.bracket.finals) {
        for (const char *name : {final.upper, final.lower}) {
            if (!Slot::isSlot(widget(name)))
                qFatal("%s: %s names a contender that holds no name", qPrintable(objectName()),
                       final.title);
        }
    }
    checkRounds(m_table.bracket);
}

void BoardWindow::runButton(const QString &button)
{
    perform(m_actions.value(button));
}

void BoardWindow::advance(const Match &match, bool upper)
{
    runButton(QString::fromLatin1(upper ? match.upperButton : match.lowerButton));
}

int BoardWindow::draw(Draw form)
{
    RandomGenerator &random = processRandom();
    return form == Draw::CoinFlip ? random.coinFlip() : random.scaledDraw(2);
}

void BoardWindow::perform(const Steps &steps)
{
    for (const Compiled &step : steps)
        performStep(step);
}

void BoardWindow::performStep(const Compiled &step)
{
    switch (step.op) {
    case Op::Copy:
        Slot(step.target).setText(Slot(step.source).text());
        break;
    case Op::SetText:
        Slot(step.target).setText(step.text);
        break;
    case Op::ChampionLine: {
        QString name = Slot(step.source).text();
        if (step.source == step.target)
            name = withoutChampionPrefix(name);
        Slot(step.target).setText(ChampionPrefix + name);
        break;
    }
    case Op::Hide:
        step.target->hide();
        break;
    case Op::Show:
        step.target->show();
        break;
    case Op::PointSize:
        setPoints(step.target, step.points);
        break;
    }
}
