// SPDX-License-Identifier: GPL-3.0-or-later
#include "pastenames.h"

#include "dialogs.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpression>

PasteNames::PasteNames(QWidget *window, Dialogs &dialogs, QList<QLineEdit *> boxes, Runner runner)
    : QObject(window), m_dialogs(dialogs), m_boxes(std::move(boxes)), m_runner(std::move(runner))
{
    for (QLineEdit *box : std::as_const(m_boxes)) {
        // Only while typing in a box: the key names no box anywhere else.
        auto *action = new QAction(tr("Paste Names"), box);
        action->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V));
        action->setShortcutContext(Qt::WidgetShortcut);
        connect(action, &QAction::triggered, this, [this, box] { paste(box); });
        box->addAction(action);
        box->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(box, &QWidget::customContextMenuRequested, this,
                [this, box](const QPoint &at) { showMenu(box, at); });
    }
}

QStringList PasteNames::namesIn(const QString &text)
{
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
    QStringList names;
    for (const QString &line : text.split(lineEnd)) {
        const QString name = line.trimmed();
        if (!name.isEmpty())
            names << name;
    }
    return names;
}

void PasteNames::showMenu(QLineEdit *box, const QPoint &at)
{
    // The box's own editing entries stay, with the list paste under them.
    QMenu *menu = box->createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addSeparator();
    menu->addActions(box->actions());
    menu->popup(box->mapToGlobal(at));
}

void PasteNames::paste(QLineEdit *from)
{
    const QStringList names = namesIn(QGuiApplication::clipboard()->text());
    if (names.isEmpty()) {
        m_dialogs.notice(from, tr("The clipboard holds no names."));
        return;
    }
    if (m_runner)
        m_runner([&] { fill(from, names); });
    else
        fill(from, names);
}

void PasteNames::fill(QLineEdit *from, const QStringList &names)
{
    qsizetype next = 0;
    for (qsizetype i = m_boxes.indexOf(from); i < m_boxes.size() && next < names.size(); ++i) {
        QLineEdit *box = m_boxes.at(i);
        // A box the window does not show takes no part, so it takes no name either.
        if (box->isHidden())
            continue;
        box->setText(names.at(next++));
        box->setCursorPosition(0);
    }
    const qsizetype leftOver = names.size() - next;
    if (leftOver == 1)
        m_dialogs.notice(from, tr("1 name was left out: there is no box for it."));
    else if (leftOver > 1)
        m_dialogs.notice(from,
                         tr("%1 names were left out: there are no boxes for them.").arg(leftOver));
}
