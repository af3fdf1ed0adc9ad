// SPDX-License-Identifier: GPL-3.0-or-later
#include "resultspublisher.h"

#include "dialogs.h"
#include "safesave.h"
#include "shell.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QRegularExpression>
#include <QWidget>

using Results::Format;

ResultsPublisher::ResultsPublisher(QWidget *window, Shell &shell, Window hooks)
    : QObject(window), m_window(window), m_shell(shell), m_hooks(std::move(hooks))
{
    addMenuEntries();
}

void ResultsPublisher::addMenuEntries()
{
    auto *line = new QAction(m_window);
    line->setSeparator(true);
    auto *eventName = new QAction(tr("Event Name..."), m_window);
    connect(eventName, &QAction::triggered, this, &ResultsPublisher::askEventName);
    auto *copyMenu = new QMenu(tr("Copy Results"), m_window);
    for (auto [caption, format] : {std::pair {tr("Plain Text"), Format::PlainText},
                                   {tr("Markdown"), Format::Markdown},
                                   {tr("BBCode"), Format::BBCode}})
        connect(copyMenu->addAction(caption), &QAction::triggered, this,
                [this, format = format] { copy(format); });
    auto *save = new QAction(tr("Save Results..."), m_window);
    save->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E));
    connect(save, &QAction::triggered, this, &ResultsPublisher::save);
    m_window->addActions({line, eventName, copyMenu->menuAction(), save});
}

QString ResultsPublisher::heading() const
{
    const QString event = m_hooks.eventName();
    return event.isEmpty() ? m_window->windowTitle() : event;
}

QString ResultsPublisher::text(Format format) const
{
    return Results::write(m_hooks.report(heading()), format);
}

void ResultsPublisher::askEventName()
{
    const std::optional<QString> name = m_shell.dialogs().askText(
            m_window, tr("Event Name"), tr("The event these results belong to:"),
            m_hooks.eventName(), MaxEventName);
    if (name)
        m_hooks.setEventName(name->trimmed().left(MaxEventName));
}

void ResultsPublisher::copy(Format format) const
{
    QGuiApplication::clipboard()->setText(text(format));
}

QString ResultsPublisher::saveStart() const
{
    const QString folder
            = Folders::orHome(m_lastFolder.isEmpty() ? m_shell.folders().documents : m_lastFolder);
    // A name fit for a file on any system: no separators or characters the file systems refuse.
    QString file = heading();
    file.replace(QRegularExpression(QStringLiteral(R"([\\/:*?"<>|\x00-\x1f])")),
                 QStringLiteral("_"));
    return QDir(folder).filePath(file + QStringLiteral(".html"));
}

void ResultsPublisher::save()
{
    Dialogs &dialogs = m_shell.dialogs();
    const QString start = saveStart();
    const QList<std::pair<Format, QString>> types {{Format::Html, tr("Web page")},
                                                   {Format::Markdown, tr("Markdown")},
                                                   {Format::BBCode, tr("BBCode")},
                                                   {Format::PlainText, tr("Plain text")}};
    QStringList filters;
    QString chosen;
    for (const auto &[format, type] : types) {
        filters << QStringLiteral("%1 (*%2)").arg(type, Results::extensionOf(format));
        if (format == Results::formatOf(start))
            chosen = filters.last();
    }
    QString path
            = dialogs.saveFileName(m_window, start, filters.join(QStringLiteral(";;")), &chosen);
    if (path.isEmpty())
        return;
    // A name typed without an extension gets the chosen type's; the dialog asked about the name
    // as typed, so the name with it is asked about here.
    if (!Results::namesAFormat(path)) {
        const qsizetype type = filters.indexOf(chosen);
        path += Results::extensionOf(type < 0 ? Format::PlainText : types[type].first);
        if (QFileInfo::exists(path)
            && !dialogs.confirm(m_window, m_window->windowTitle(),
                                tr("\"%1\" already exists.\nDo you want to replace it?")
                                        .arg(QDir::toNativeSeparators(path))))
            return;
    }
    m_lastFolder = QFileInfo(path).absolutePath();
    QString error;
    if (!SafeSave::write(path, Results::fileBytes(text(Results::formatOf(path))), error))
        warn(tr("Could not save the results to \"%1\":\n%2")
                     .arg(QDir::toNativeSeparators(path), error));
}

void ResultsPublisher::warn(const QString &text) const
{
    m_shell.dialogs().warn(m_window, m_window->windowTitle(), text);
}
