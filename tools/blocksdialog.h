// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "roundrobin.h"

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;
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
    void build();
    void loadRoster();
    void showPreview();

    Shell &m_shell;
    QPlainTextEdit *m_names;
    QSpinBox *m_blocks;
    QSpinBox *m_perBlock;
    QRadioButton *m_listed;
    QRadioButton *m_snake;
    QRadioButton *m_shuffled;
    QPlainTextEdit *m_preview;
    QLabel *m_count;
    QPushButton *m_ok = nullptr;
};
