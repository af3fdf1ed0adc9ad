// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "namesdialog.h"
#include "roundrobin.h"

#include <QDialog>

class QLayout;
class QRadioButton;
class QSpinBox;
class Shell;

// Draw the Blocks: the names of a round robin, how many blocks of how many, how the names are
// placed, and a preview of the blocks OK would make. It changes nothing itself.
class BlocksDialog : public QDialog
{
    Q_OBJECT

public:
    struct Choices
    {
        int blocks = 2;
        int perBlock = 6;
        RoundRobin::Placing placing = RoundRobin::Placing::Listed;
    };

    BlocksDialog(QWidget *parent, Shell &shell, const QStringList &names, const Choices &choices);

    // The names of the box, one a line, blank lines and the spaces around a name left out.
    QStringList names() const;
    Choices choices() const;

    // The blocks OK makes, drawing a shuffle from the generator given; nothing when a block
    // would hold fewer than 3.
    std::optional<QList<QStringList>> blocks(RandomGenerator &random) const;

private:
    QLayout *choicesLayout();
    void loadRoster();
    void showPreview();

    Shell &m_shell;
    QSpinBox *m_blocks;
    QSpinBox *m_perBlock;
    QRadioButton *m_listed;
    QRadioButton *m_snake;
    QRadioButton *m_shuffled;
    NamesDialog m_frame;
};
