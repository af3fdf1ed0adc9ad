// SPDX-License-Identifier: GPL-3.0-or-later
#include "boardhistory.h"

#include "form.h"

#include <QUndoStack>

namespace {

class Step : public QUndoCommand
{
public:
    Step(const BoardHistory &history, const QString &what, BoardHistory::State before,
         BoardHistory::State after)
        : QUndoCommand(what)
        , m_history(history)
        , m_before(std::move(before))
        , m_after(std::move(after))
    { }

    void undo() override { m_history.restore(m_after, m_before); }
    void redo() override { m_history.restore(m_before, m_after); }

private:
    const BoardHistory &m_history;
    BoardHistory::State m_before;
    BoardHistory::State m_after;
};

} // namespace

BoardHistory::BoardHistory(QObject *parent, QList<QWidget *> widgets)
    : QObject(parent), m_widgets(std::move(widgets)), m_stack(new QUndoStack(this))
{ }

BoardHistory::State BoardHistory::state() const
{
    State state;
    state.reserve(size_t(m_widgets.size()));
    for (QWidget *widget : m_widgets) {
        Look look;
        if (Slot::isSlot(widget))
            look.text = Slot(widget).text();
        if (qobject_cast<Form::Label *>(widget))
            look.points = widget->font().pointSizeF();
        look.hidden = widget->isHidden();
        state.push_back(look);
    }
    return state;
}

void BoardHistory::restore(const State &from, const State &to) const
{
    const State now = state();
    for (size_t i = 0; i < to.size(); ++i) {
        QWidget *widget = m_widgets.at(qsizetype(i));
        // The size first: a label that fits its caption fits it again at its new size.
        if (from[i].points != to[i].points && now[i].points != to[i].points) {
            QFont font = widget->font();
            font.setPointSizeF(to[i].points);
            widget->setFont(font);
        }
        // Setting a text box's text clears its own typing history; only when it must.
        if (from[i].text != to[i].text && now[i].text != to[i].text)
            Slot(widget).setText(to[i].text);
        if (from[i].hidden != to[i].hidden)
            widget->setHidden(to[i].hidden);
    }
}

void BoardHistory::record(const QString &what, const std::function<void()> &change)
{
    State before = state();
    change();
    State after = state();
    if (before != after)
        m_stack->push(new Step(*this, what, std::move(before), std::move(after)));
}
