// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QToolTip>

QString SystemDialogs::saveFileName(QWidget *parent, const QString &start, const QString &filter,
                                    QString *chosenFilter)
{
    return QFileDialog::getSaveFileName(parent, QString(), start, filter, chosenFilter);
}

QString SystemDialogs::openFileName(QWidget *parent, const QString &start, const QString &filter)
{
    return QFileDialog::getOpenFileName(parent, QString(), start, filter);
}

void SystemDialogs::warn(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox::warning(parent, title, text);
}

void SystemDialogs::inform(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox::information(parent, title, text);
}

bool SystemDialogs::confirm(QWidget *parent, const QString &title, const QString &text)
{
    return QMessageBox::question(parent, title, text) == QMessageBox::Yes;
}

void SystemDialogs::about(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox::about(parent, title, text);
}

bool SystemDialogs::choosePrinter(QWidget *parent, QPrinter &printer)
{
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

void SystemDialogs::notice(QWidget *at, const QString &text)
{
    // Long enough to read a line, short enough not to linger over the board.
    constexpr int ShownFor = 5000;
    QToolTip::showText(at->mapToGlobal(QPoint(0, at->height())), text, at, QRect(), ShownFor);
}

std::optional<QString> SystemDialogs::askText(QWidget *parent, const QString &title,
                                              const QString &label, const QString &current,
                                              int maxLength)
{
    QInputDialog dialog(parent);
    dialog.setWindowTitle(title);
    dialog.setLabelText(label);
    dialog.setTextValue(current);
    if (auto *line = dialog.findChild<QLineEdit *>())
        line->setMaxLength(maxLength);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

bool SystemDialogs::exec(QDialog &dialog)
{
    return dialog.exec() == QDialog::Accepted;
}
