// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

class QDialog;
class QPrinter;
class QWidget;

// The modal dialogs the program shows. Windows ask through this interface so that tests can
// answer for the user without a dialog ever appearing on screen.
class Dialogs
{
public:
    virtual ~Dialogs() = default;

    // Each returns the file the user chose, or an empty text when the user cancelled.
    // The save dialog asks before it replaces an existing file. Given chosenFilter, the dialog
    // starts on that file type and leaves there the one the user chose.
    virtual QString saveFileName(QWidget *parent, const QString &start, const QString &filter,
                                 QString *chosenFilter = nullptr)
            = 0;
    virtual QString openFileName(QWidget *parent, const QString &start, const QString &filter) = 0;

    virtual void warn(QWidget *parent, const QString &title, const QString &text) = 0;
    virtual void inform(QWidget *parent, const QString &title, const QString &text) = 0;
    // Asks a yes-or-no question; true on yes.
    virtual bool confirm(QWidget *parent, const QString &title, const QString &text) = 0;
    // The program's About box; the text may hold links.
    virtual void about(QWidget *parent, const QString &title, const QString &text) = 0;

    // Lets the user choose a printer (or a PDF file) for the printer given; false on cancel.
    virtual bool choosePrinter(QWidget *parent, QPrinter &printer) = 0;
    // A short note beside a widget that goes away by itself and waits for nobody.
    virtual void notice(QWidget *at, const QString &text) = 0;

    // Asks for a line of text of at most maxLength characters; nothing when the user cancelled.
    virtual std::optional<QString> askText(QWidget *parent, const QString &title,
                                           const QString &label, const QString &current,
                                           int maxLength)
            = 0;
    // Shows one of the program's own dialogs, modal, until the user closes it; true on OK.
    virtual bool exec(QDialog &dialog) = 0;
};

// The real dialogs: QFileDialog, QMessageBox, QPrintDialog, and a tool tip for notices.
class SystemDialogs : public Dialogs
{
public:
    QString saveFileName(QWidget *parent, const QString &start, const QString &filter,
                         QString *chosenFilter) override;
    QString openFileName(QWidget *parent, const QString &start, const QString &filter) override;
    void warn(QWidget *parent, const QString &title, const QString &text) override;
    void inform(QWidget *parent, const QString &title, const QString &text) override;
    bool confirm(QWidget *parent, const QString &title, const QString &text) override;
    void about(QWidget *parent, const QString &title, const QString &text) override;
    bool choosePrinter(QWidget *parent, QPrinter &printer) override;
    void notice(QWidget *at, const QString &text) override;
    std::optional<QString> askText(QWidget *parent, const QString &title, const QString &label,
                                   const QString &current, int maxLength) override;
    bool exec(QDialog &dialog) override;
};
