// SPDX-License-Identifier: GPL-3.0-or-later
#include "bracketfilecontrol.h"

#include "dialogs.h"
#include "safesave.h"
#include "shell.h"

#include <QDir>
#include <QFileInfo>

using BracketFile::ReadError;

namespace {

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

QString unchanged()
{
    return BracketFileControl::tr("The board was not changed.");
}

} // namespace

BracketFileControl::BracketFileControl(FormWindow *window, std::vector<Entry> slotList)
    : QObject(window), m_window(window), m_slots(std::move(slotList))
{
    setObjectName(QStringLiteral("CommonDialog1"));
    for (const Entry &entry : m_slots)
        m_holders << entry.holder;
}

QString BracketFileControl::filter()
{
    return tr("Text Files (*.txt)");
}

QString BracketFileControl::startPath() const
{
    if (!m_lastFile.isEmpty())
        return m_lastFile;
    return Folders::orHome(m_window->shell().folders().documents);
}

void BracketFileControl::warn(const QString &text) const
{
    m_window->shell().dialogs().warn(m_window, m_window->windowTitle(), text);
}

void BracketFileControl::save()
{
    const QString path = m_window->shell().dialogs().saveFileName(m_window, startPath(), filter());
    if (path.isEmpty())
        return;
    m_lastFile = path;

    QStringList texts;
    for (size_t i = 0; i < m_slots.size(); ++i) {
        texts << m_slots[i].slot.text();
        if (!BracketFile::canStore(texts.last())) {
            warn(tr("The bracket was not saved: the name on line %1 is too long or holds a "
                    "character that a text file cannot store.")
                         .arg(i + 1));
            return;
        }
    }
    QString error;
    if (!SafeSave::write(path, BracketFile::write(texts, m_holders), error))
        warn(tr("Could not save the bracket to \"%1\":\n%2\nThe names are still on the board.")
                     .arg(shown(path), error));
}

void BracketFileControl::load()
{
    const QString path = m_window->shell().dialogs().openFileName(m_window, startPath(), filter());
    if (!path.isEmpty())
        loadFile(path);
}

bool BracketFileControl::loadFile(const QString &path)
{
    // A file dropped on the board is offered by the next dialog, as a chosen one is.
    m_lastFile = path;
    const QFileInfo info(path);
    if (info.isDir()) {
        warn(tr("\"%1\" is a folder, not a bracket file.\n%2").arg(shown(path), unchanged()));
        return false;
    }
    // A pipe would keep the program waiting for a writer, a device could be read without end.
    if (info.exists() && !info.isFile()) {
        warn(tr("\"%1\" is not a file that can be loaded: it is a device, a pipe or a socket.\n%2")
                     .arg(shown(path), unchanged()));
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        warn(tr("Could not open \"%1\":\n%2\n%3")
                     .arg(shown(path), file.errorString(), unchanged()));
        return false;
    }
    const BracketFile::ReadResult result = BracketFile::read(file, m_holders);
    if (result.error) {
        reportReadError(path, *result.error);
        return false;
    }
    Q_EMIT aboutToLoad();
    for (size_t i = 0; i < m_slots.size(); ++i)
        m_slots[i].slot.setText(result.values.at(qsizetype(i)));
    return true;
}

// The path goes in with the other values in one step: a path such as "Card %1.txt" must show as
// it is.
void BracketFileControl::reportReadError(const QString &path, const ReadError &error) const
{
    const QString file = shown(path), line = QString::number(error.line);
    QString text;
    switch (error.kind) {
    case ReadError::Kind::Empty:
        text = tr("\"%1\" is empty.").arg(file);
        break;
    case ReadError::Kind::TooFewValues:
        text = tr("\"%1\" holds %2 of the %3 names this board needs.")
                       .arg(file, QString::number(error.valuesFound),
                            QString::number(error.valuesNeeded));
        break;
    case ReadError::Kind::ValueTooLong:
        text = tr("\"%1\" is not a bracket file: line %2 is longer than %3 characters.")
                       .arg(file, line, QLocale().toString(BracketFile::MaxValueLength));
        break;
    case ReadError::Kind::NotText:
        text = tr("\"%1\" is not a text file (line %2 holds a NUL byte).").arg(file, line);
        break;
    case ReadError::Kind::Unreadable:
        text = tr("Could not read \"%1\" past line %2.").arg(file, line);
        break;
    }
    warn(text + QLatin1Char('\n') + unchanged());
}
