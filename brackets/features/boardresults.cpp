// SPDX-License-Identifier: GPL-3.0-or-later
#include "boardresults.h"

#include "boardwindow.h"
#include "dialogs.h"
#include "fontbook.h"
#include "safesave.h"
#include "shell.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QPainter>
#include <QRegularExpression>

using Results::Format;

namespace {

constexpr int BandHeight = 40; // logical pixels
constexpr qreal BandPoints = 15, SmallestBandPoints = 8;

} // namespace

BoardResults::BoardResults(BoardWindow *board) : QObject(board), m_board(board)
{
    const Board::Table &table = board->table();
    for (const QString &name : Results::slotsRead(table.bracket))
        m_opened.insert(name, {{}, true, Board::openingText(table, qPrintable(name))});
    addMenuEntries();
}

void BoardResults::addMenuEntries()
{
    auto *line = new QAction(m_board);
    line->setSeparator(true);
    auto *eventName = new QAction(tr("Event Name..."), m_board);
    connect(eventName, &QAction::triggered, this, &BoardResults::askEventName);
    auto *copyMenu = new QMenu(tr("Copy Results"), m_board);
    for (auto [caption, format] : {std::pair {tr("Plain Text"), Format::PlainText},
                                   {tr("Markdown"), Format::Markdown},
                                   {tr("BBCode"), Format::BBCode}})
        connect(copyMenu->addAction(caption), &QAction::triggered, this,
                [this, format = format] { copy(format); });
    auto *save = new QAction(tr("Save Results..."), m_board);
    save->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E));
    connect(save, &QAction::triggered, this, &BoardResults::save);
    m_board->addActions({line, eventName, copyMenu->menuAction(), save});
}

Results::BoardState BoardResults::state() const
{
    Results::BoardState state = m_opened;
    for (auto it = state.begin(); it != state.end(); ++it) {
        const Slot slot = m_board->slot(qPrintable(it.key()));
        it->text = slot.text();
        it->visible = !slot.widget()->isHidden();
    }
    return state;
}

QString BoardResults::text(Format format) const
{
    const QString heading = m_eventName.isEmpty() ? m_board->windowTitle() : m_eventName;
    return Results::write(Results::read(m_board->table().bracket, state(), heading), format);
}

void BoardResults::askEventName()
{
    const std::optional<QString> name = m_board->shell().dialogs().askText(
            m_board, tr("Event Name"), tr("The event these results belong to:"), m_eventName,
            MaxEventName);
    if (!name)
        return;
    m_eventName = name->trimmed().left(MaxEventName);
    m_board->update();
}

void BoardResults::copy(Format format) const
{
    QGuiApplication::clipboard()->setText(text(format));
}

QString BoardResults::saveStart() const
{
    const QString folder = Folders::orHome(
            m_lastFolder.isEmpty() ? m_board->shell().folders().documents : m_lastFolder);
    const QString name = m_eventName.isEmpty() ? m_board->windowTitle() : m_eventName;
    // A name fit for a file on any system: no separators or characters the file systems refuse.
    QString file = name;
    file.replace(QRegularExpression(QStringLiteral(R"([\\/:*?"<>|\x00-\x1f])")),
                 QStringLiteral("_"));
    return QDir(folder).filePath(file + QStringLiteral(".html"));
}

void BoardResults::save()
{
    Dialogs &dialogs = m_board->shell().dialogs();
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
            = dialogs.saveFileName(m_board, start, filters.join(QStringLiteral(";;")), &chosen);
    if (path.isEmpty())
        return;
    // A name typed without an extension gets the chosen type's; the dialog asked about the name
    // as typed, so the name with it is asked about here.
    if (!Results::namesAFormat(path)) {
        const qsizetype type = filters.indexOf(chosen);
        path += Results::extensionOf(type < 0 ? Format::PlainText : types[type].first);
        if (QFileInfo::exists(path)
            && !dialogs.confirm(m_board, m_board->windowTitle(),
                                tr("\"%1\" already exists.\nDo you want to replace it?")
                                        .arg(QDir::toNativeSeparators(path))))
            return;
    }
    m_lastFolder = QFileInfo(path).absolutePath();
    QString error;
    if (!SafeSave::write(path, Results::fileBytes(text(Results::formatOf(path))), error))
        m_board->shell().dialogs().warn(m_board, m_board->windowTitle(),
                                        tr("Could not save the results to \"%1\":\n%2")
                                                .arg(QDir::toNativeSeparators(path), error));
}

int BoardResults::bandHeight() const
{
    return m_eventName.isEmpty() ? 0 : BandHeight;
}

void BoardResults::paintBand(QPainter &painter, int width) const
{
    if (m_eventName.isEmpty())
        return;
    const QRect band(0, 0, width, BandHeight);
    painter.fillRect(band, QColor(Form::Blue));
    const QRect room = band.adjusted(12, 0, -12, 0);
    // As large as fits across the board, then cut short with an ellipsis.
    QFont font = m_board->shell().fonts().font("MS Sans Serif", BandPoints, true);
    while (font.pointSizeF() > SmallestBandPoints
           && QFontMetricsF(font).horizontalAdvance(m_eventName) > room.width())
        font.setPointSizeF(font.pointSizeF() - 1);
    painter.setFont(font);
    painter.setPen(QColor(Form::White));
    painter.drawText(room, Qt::AlignCenter,
                     QFontMetrics(font).elidedText(m_eventName, Qt::ElideRight, room.width()));
}
