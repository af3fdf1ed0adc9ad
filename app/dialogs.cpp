#include "dialogs.h"

#include <QFileDialog>
#include <QMessageBox>

QString SystemDialogs::saveFileName(QWidget *parent, const QString &start, const QString &filter)
{
    return QFileDialog::getSaveFileName(parent, QString(), start, filter);
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
