// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "draw.h"
#include "namesdialog.h"

#include <QDialog>

#include <functional>
#include <optional>

class BoardWindow;
class QCheckBox;
class QLayout;
class QRadioButton;

// Draw the Field: the names of a new tournament, how to place them in the board's entry slots,
// and a preview of the first round that OK would make. It changes nothing itself.
class DrawDialog : public QDialog
{
    Q_OBJECT

public:
    // Offers the names, one a line, and the choices.
    DrawDialog(BoardWindow &board, const QStringList &names, const Drawing::Choices &choices);

    // The names of the box, one a line, blank lines and the spaces around a name left out.
    QStringList names() const;
    Drawing::Choices choices() const;

private:
    QLayout *choicesLayout();
    void setNames(const QStringList &names);
    void loadRoster();
    void showPreview();
    QString countLine(qsizetype names) const;

    BoardWindow &m_board;
    Drawing::Field m_field;
    mutable std::optional<QStringList> m_boxNames; // the box's names, while its text is as set
    QRadioButton *m_listed;
    QRadioButton *m_shuffled;
    QRadioButton *m_seeded;
    QCheckBox *m_advanceByes;
    NamesDialog m_frame;
};

// What the draw does to a board, through the board's own advance steps.
namespace FieldDraw {

// Asks for the field in the dialog. On OK returns the change that draws it (a new tournament on
// the board as it opened, the names put in, the byes advanced when asked), for the caller to make
// one step of Undo; on Cancel returns nothing. The shuffle draws from the program's generator when
// OK is pressed. While the board's entry slots hold the field it last drew, the dialog offers that
// field's list in the order it was drawn, so that OK makes the same board again.
// Names another tool offers are the dialog's list instead, seeded.
std::function<void()> ask(BoardWindow &board, Drawing::Memory &memory,
                          const std::optional<QStringList> &offered = std::nullopt);

// Decides every match of a bye against a name, or of two byes, by its advance steps, over and
// over in the board's match order until none changes. True when something changed.
bool advanceByes(BoardWindow &board);

} // namespace FieldDraw
