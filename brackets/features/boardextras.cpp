// SPDX-License-Identifier: GPL-3.0-or-later
#include "boardextras.h"

#include "boardhistory.h"
#include "boardjournal.h"
#include "boardresults.h"
#include "boardwindow.h"
#include "bracketfilecontrol.h"
#include "dialogs.h"
#include "drawdialog.h"
#include "pastenames.h"
#include "shell.h"

#include <QAbstractButton>
#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QPrinter>
#include <QSaveFile>
#include <QUndoStack>

#include <algorithm>

namespace {

QList<QLineEdit *> entrySlots(const BoardWindow &board)
{
    QList<QLineEdit *> slots;
    for (const Board::Line &line : board.table().bracket.slotList) {
        if (auto *entry = qobject_cast<QLineEdit *>(board.widget(line.slot)))
            slots << entry;
    }
    return slots;
}

// The row along the bottom: a picture or a print of the bracket reads better without it.
QList<QWidget *> fileAndNavigationButtons(const BoardWindow &board)
{
    const Board::Table &table = board.table();
    return {board.widget(table.saveButton), board.widget(table.loadButton),
            board.widget(table.resetButton), board.widget(table.backButton)};
}

// The bracket file a drag carries: one local file whose name ends in .txt.
QString bracketFileIn(const QMimeData *mime)
{
    const QList<QUrl> urls = mime->urls();
    if (urls.size() != 1 || !urls.first().isLocalFile())
        return {};
    const QString path = urls.first().toLocalFile();
    return path.endsWith(QLatin1String(".txt"), Qt::CaseInsensitive) ? path : QString();
}

} // namespace

BoardExtras::BoardExtras(BoardWindow *board, WindowId id, BracketFileControl *files,
                         Drawing::Memory &drawMemory)
    : QObject(board)
    , m_board(board)
    , m_id(id)
    , m_files(files)
    , m_drawMemory(drawMemory)
    , m_leftOutOfPicture(fileAndNavigationButtons(*board))
{
    // The board's last brackets, kept on disk; every change of the board arms its next write.
    if (const QString folder = board->shell().journalFolder(); !folder.isEmpty()) {
        m_journal = new BoardJournal(board, folder);
        connect(board->history().stack(), &QUndoStack::indexChanged, m_journal,
                &BoardJournal::changed);
    }
    addMenuEntries();
    new PasteNames(board, board->shell().dialogs(), entrySlots(*board),
                   [board](const std::function<void()> &paste) {
                       board->record(tr("Paste Names"), paste);
                   });
    acceptDrops();
    m_results = new BoardResults(board);
    // A field another tool sends: now, or whenever one comes while the board is open. The draw
    // waits a turn of the event loop, for the board to be fully on screen.
    WindowRegistry &windows = board->shell().windows();
    connect(&windows, &WindowRegistry::fieldOffered, this, [this](WindowId offeredTo) {
        if (offeredTo == m_id)
            QMetaObject::invokeMethod(this, &BoardExtras::takeOfferedField, Qt::QueuedConnection);
    });
    QMetaObject::invokeMethod(this, &BoardExtras::takeOfferedField, Qt::QueuedConnection);
}

void BoardExtras::takeOfferedField()
{
    if (const std::optional<QStringList> offered
        = m_board->shell().windows().takeOfferedField(m_id))
        drawField(offered);
}

void BoardExtras::drawField(const std::optional<QStringList> &offered)
{
    if (const std::function<void()> draw = FieldDraw::ask(*m_board, m_drawMemory, offered)) {
        if (m_journal)
            m_journal->startAnew();
        m_board->record(tr("Draw the Field"), draw);
    }
}

void BoardExtras::addMenuEntries()
{
    // The window's own actions, not the engine's wiring of a button.
    QWidget *window = m_board;
    auto add = [window](QAction *action, const QList<QKeySequence> &keys) {
        action->setShortcuts(keys);
        window->addAction(action);
    };
    auto entry
            = [&](const QString &text, const QList<QKeySequence> &keys, std::function<void()> run) {
                  auto *action = new QAction(text, m_board);
                  connect(action, &QAction::triggered, this, std::move(run));
                  add(action, keys);
              };
    auto separator = [window] {
        auto *line = new QAction(window);
        line->setSeparator(true);
        window->addAction(line);
    };

    // While an entry slot has the focus these keys undo its typing: a text box claims its
    // platform's undo and redo keys before the window's shortcuts see them.
    QUndoStack *stack = m_board->history().stack();
    add(stack->createUndoAction(m_board, tr("Undo")), {QKeySequence(Qt::CTRL | Qt::Key_Z)});
    add(stack->createRedoAction(m_board, tr("Redo")),
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    separator();
    const Board::Table &table = m_board->table();
    entry(tr("Save..."), {QKeySequence(Qt::CTRL | Qt::Key_S)},
          [this, &table] { clickButton(table.saveButton); });
    entry(tr("Load..."), {QKeySequence(Qt::CTRL | Qt::Key_O)},
          [this, &table] { clickButton(table.loadButton); });
    if (m_journal)
        window->addAction(m_journal->restoreMenu()->menuAction());
    separator();
    entry(tr("Save Picture..."), {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
          [this] { savePicture(); });
    entry(tr("Copy Picture"), {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C)},
          [this] { copyPicture(); });
    entry(tr("Print..."), {QKeySequence(Qt::CTRL | Qt::Key_P)}, [this] { print(); });
    // Drawing a field: a new tournament's names into the entry slots, and byes decided.
    separator();
    entry(tr("Draw the Field..."), {QKeySequence(Qt::CTRL | Qt::Key_D)}, [this] { drawField(); });
    entry(tr("Advance Byes"), {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_B)}, [this] {
        m_board->record(tr("Advance Byes"), [this] { FieldDraw::advanceByes(*m_board); });
    });
    // A right click anywhere but in an entry slot opens these entries.
    m_board->setContextMenuPolicy(Qt::ActionsContextMenu);
}

void BoardExtras::clickButton(const char *name) const
{
    m_board->widget<QAbstractButton>(name)->click();
}

void BoardExtras::acceptDrops()
{
    // Text boxes take drops of their own; a bracket file dropped on one still loads the board.
    m_board->setAcceptDrops(true);
    m_board->installEventFilter(this);
    for (QLineEdit *entry : entrySlots(*m_board))
        entry->installEventFilter(this);
}

bool BoardExtras::eventFilter(QObject *, QEvent *event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto *drag = static_cast<QDragMoveEvent *>(event);
        if (bracketFileIn(drag->mimeData()).isEmpty())
            return false;
        drag->acceptProposedAction();
        return true;
    }
    case QEvent::Drop: {
        auto *drop = static_cast<QDropEvent *>(event);
        const QString path = bracketFileIn(drop->mimeData());
        if (path.isEmpty())
            return false;
        drop->acceptProposedAction();
        // Loaded once the drop is over: a message about the file must not hold up the program
        // the file was dragged from.
        QMetaObject::invokeMethod(
                this,
                [this, path] { m_board->record(tr("Load"), [&] { m_files->loadFile(path); }); },
                Qt::QueuedConnection);
        return true;
    }
    default:
        return false;
    }
}

void BoardExtras::paint(QPainter &painter) const
{
    // The event's name, when it has one, heads the board.
    m_results->paintBand(painter, m_board->width());
    painter.translate(0, m_results->bandHeight());
    m_board->render(&painter, QPoint(), QRegion(), QWidget::DrawWindowBackground);
    for (QObject *child : m_board->children()) {
        auto *widget = qobject_cast<QWidget *>(child);
        if (!widget || widget->isHidden() || widget->isWindow()
            || m_leftOutOfPicture.contains(widget))
            continue;
        widget->render(&painter, widget->pos(), QRegion(), QWidget::DrawChildren);
    }
}

QImage BoardExtras::picture() const
{
    const qreal ratio = m_board->devicePixelRatio();
    const QSize size = m_board->size() + QSize(0, m_results->bandHeight());
    QImage image(size * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    paint(painter);
    return image;
}

QString BoardExtras::pictureStart() const
{
    if (!m_lastPicture.isEmpty())
        return m_lastPicture;
    const QString folder = Folders::orHome(m_board->shell().folders().pictures);
    return QDir(folder).filePath(m_board->windowTitle() + QStringLiteral(".png"));
}

void BoardExtras::savePicture()
{
    const QString path = m_board->shell().dialogs().saveFileName(m_board, pictureStart(),
                                                                 tr("PNG Images (*.png)"));
    if (path.isEmpty())
        return;
    m_lastPicture = path;
    // The old file stays as it was unless the new picture is completely written.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !picture().save(&file, "PNG") || !file.commit())
        warn(tr("Could not save the picture to \"%1\":\n%2")
                     .arg(QDir::toNativeSeparators(path), file.errorString()));
}

void BoardExtras::copyPicture()
{
    QGuiApplication::clipboard()->setImage(picture());
}

void BoardExtras::print()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setDocName(m_board->windowTitle());
    if (!m_board->shell().dialogs().choosePrinter(m_board, printer))
        return;
    QPainter painter;
    if (!painter.begin(&printer)) {
        warn(tr("Could not print the bracket."));
        return;
    }
    // As large as the page allows, in the middle of it.
    const QRect page = painter.viewport();
    const QSizeF board = m_board->size() + QSize(0, m_results->bandHeight());
    const qreal scale = std::min(page.width() / board.width(), page.height() / board.height());
    painter.translate((page.width() - board.width() * scale) / 2,
                      (page.height() - board.height() * scale) / 2);
    painter.scale(scale, scale);
    paint(painter);
    if (!painter.end())
        warn(tr("Could not print the bracket."));
}

void BoardExtras::warn(const QString &text) const
{
    m_board->shell().dialogs().warn(m_board, m_board->windowTitle(), text);
}
