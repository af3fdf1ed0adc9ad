// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QDialog;
class QLabel;
class QLayout;
class QPlainTextEdit;
class QPushButton;
class QString;

// The frame of a dialog that takes a list of names, one a line (typed, pasted, or a roster loaded
// with Load Roster...), and shows what OK would make of them: the names box over the dialog's own
// choices on the left, a preview and a count line on the right, and OK and Cancel below. OK has
// Ctrl+Return too, for Return starts a new line in the names box. Its parts are named after the
// prefix given: <prefix>Names, <prefix>LoadRoster, <prefix>Preview, <prefix>Count.
struct NamesDialog
{
    NamesDialog(QDialog *dialog, const QString &prefix, const QString &previewTitle,
                QLayout *choices);

    QPlainTextEdit *names;
    QPushButton *loadRoster;
    QPlainTextEdit *preview;
    QLabel *count;
    QPushButton *ok;
};
