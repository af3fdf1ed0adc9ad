#pragma once

#include <QString>

class QWidget;

// The modal dialogs the program shows. Windows ask through this interface so that tests can
// answer for the user without a dialog ever appearing on screen.
class Dialogs
{
public:
    virtual ~Dialogs() = default;

    // Each returns the file the user chose, or an empty text when the user cancelled.
    // The save dialog asks before it replaces an existing file.
    virtual QString saveFileName(QWidget *parent, const QString &start, const QString &filter) = 0;
    virtual QString openFileName(QWidget *parent, const QString &start, const QString &filter) = 0;

    virtual void warn(QWidget *parent, const QString &title, const QString &text) = 0;
    virtual void inform(QWidget *parent, const QString &title, const QString &text) = 0;
};

// The real dialogs: QFileDialog and QMessageBox.
class SystemDialogs : public Dialogs
{
public:
    QString saveFileName(QWidget *parent, const QString &start, const QString &filter) override;
    QString openFileName(QWidget *parent, const QString &start, const QString &filter) override;
    void warn(QWidget *parent, const QString &title, const QString &text) override;
    void inform(QWidget *parent, const QString &title, const QString &text) override;
};
