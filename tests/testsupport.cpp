// SPDX-License-Identifier: GPL-3.0-or-later
#include "testsupport.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPrinter>
#include <QTimer>

QString FakeDialogs::answer(const QString &start, const QString &filter)
{
    startPaths << start;
    filters << filter;
    if (answers.isEmpty())
        qFatal("a file dialog was shown that the test did not expect");
    const QString chosen = answers.dequeue();
    if (afterAnswer)
        afterAnswer(chosen);
    return chosen;
}

bool FakeDialogs::choosePrinter(QWidget *, QPrinter &printer)
{
    ++printDialogs;
    if (printFile.isEmpty())
        return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(printFile);
    return true;
}

std::optional<QString> FakeDialogs::askText(QWidget *, const QString &, const QString &,
                                            const QString &, int)
{
    if (texts.isEmpty())
        qFatal("a text was asked for that the test did not expect");
    return texts.dequeue();
}

bool FakeDialogs::exec(QDialog &dialog)
{
    if (!fillIn)
        qFatal("a dialog was shown that the test did not expect");
    return fillIn(dialog);
}

TestProgram::TestProgram() : shell(dialogs)
{
    QDir(folders.path()).mkdir("Documents");
    QDir(folders.path()).mkdir("Pictures");
    shell.setFolders({folders.filePath("Documents"), folders.filePath("Pictures"), {}});
    registerWindows(shell);
    QObject::connect(&shell.windows(), &WindowRegistry::programEnded, [this] { ++endings; });
}

TestProgram::~TestProgram()
{
    settle();
}

QWidget *TestProgram::openActive(WindowId id)
{
    QWidget *window = open(id);
    window->activateWindow();
    while (!window->isActiveWindow()
           || (qobject_cast<BoardWindow *>(window) && window->actions().isEmpty()))
        QTest::qWait(10);
    settle(); // a board reads its journal a turn after it shows
    return window;
}

void TestProgram::settle()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

FreshGenerator::FreshGenerator() : m_saved(processRandom().state())
{
    processRandom().setState(RandomGenerator::StartState);
}

FreshGenerator::~FreshGenerator()
{
    processRandom().setState(m_saved);
}

void FreshGenerator::nextValueWillBe(quint32 x)
{
    // The step is a bijection on 24 bits: undo it with the multiplier's inverse modulo 2^24,
    // found by Newton's iteration.
    const quint32 multiplier = 0x43FD43FD;
    quint32 inverse = multiplier;
    for (int i = 0; i < 5; ++i)
        inverse *= 2 - multiplier * inverse;
    processRandom().setState(((x - 0xC39EC3u) * inverse) & 0xFFFFFF);
}

QWidget *Ui::find(QWidget *window, const QString &name)
{
    auto *found = window->findChild<QWidget *>(name);
    if (!found)
        qFatal("%s has no widget %s", qPrintable(window->objectName()), qPrintable(name));
    return found;
}

void Ui::click(QWidget *window, const QString &name)
{
    auto *button = qobject_cast<QAbstractButton *>(find(window, name));
    if (!button || !button->isVisibleTo(window) || !button->isEnabled())
        qFatal("button %s cannot be clicked", qPrintable(name));
    button->click();
}

QString Ui::text(QWidget *window, const QString &name)
{
    QWidget *widget = find(window, name);
    auto *edit = qobject_cast<QLineEdit *>(widget);
    return edit ? edit->text() : qobject_cast<QLabel *>(widget)->text();
}

// Typing replaces the whole text, as selecting it all and typing over it does.
void Ui::type(QWidget *window, const QString &name, const QString &text)
{
    if (auto *edit = qobject_cast<QLineEdit *>(find(window, name))) {
        edit->selectAll();
        edit->insert(text);
    } else {
        qobject_cast<QLabel *>(find(window, name))->setText(text);
    }
}

bool Ui::shown(QWidget *window, const QString &name)
{
    return find(window, name)->isVisibleTo(window);
}

QStringList Ui::tabChain(QWidget *window, const QString &from, qsizetype count)
{
    QWidget *widget = find(window, from);
    QStringList seen {widget->objectName()};
    while (seen.size() < count) {
        widget = widget->nextInFocusChain();
        if (widget->isVisibleTo(window) && (widget->focusPolicy() & Qt::TabFocus))
            seen << widget->objectName();
    }
    return seen;
}

QStringList Ui::stateOf(QWidget *window)
{
    QStringList state;
    for (QWidget *w : window->findChildren<QWidget *>())
        state << QStringLiteral("%1 %2 %3 %4")
                         .arg(w->objectName(), Slot::isSlot(w) ? Slot(w).text() : QString())
                         .arg(w->isHidden())
                         .arg(w->font().pointSizeF());
    return state;
}

QAction *Ui::action(QWidget *window, const QString &textOrKey)
{
    QList<QAction *> all = window->actions();
    for (QAction *each : window->actions())
        all << (each->menu() ? each->menu()->actions() : QList<QAction *>());
    for (QAction *each : all)
        if (each->text().startsWith(textOrKey) || each->shortcut().toString() == textOrKey)
            return each;
    qFatal("%s has no menu entry %s", qPrintable(window->objectName()), qPrintable(textOrKey));
}

void Ui::press(QWidget *target, const QKeySequence &keys)
{
    QWidget *window = target->window();
    window->activateWindow();
    while (!window->isActiveWindow())
        QTest::qWait(10);
    target->setFocus();
    QTest::keySequence(target, keys);
}

void Ui::tick(QTimer *timer)
{
    QTimerEvent event(timer->timerId());
    QCoreApplication::sendEvent(timer, &event);
}

void addBoards()
{
    QTest::addColumn<WindowId>("id");
    for (const BoardList &list : boardLists())
        QTest::newRow(list.tag) << list.id;
}

void Wiring::mark(QWidget *board, const QStringList &slots)
{
    for (const QString &name : slots)
        Ui::type(board, name, '<' + name + '>');
}

QString Wiring::differences(QWidget *board, const QStringList &slots, const QStringList &copies)
{
    QHash<QString, QString> expected;
    for (const QString &copy : copies)
        expected.insert(copy.section("<-", 0, 0), '<' + copy.section("<-", 1) + '>');
    QStringList wrong;
    for (const QString &name : slots) {
        const QString want = expected.value(name, '<' + name + '>');
        const QString got = Ui::text(board, name);
        if (got != want)
            wrong << QStringLiteral("%1 holds %2, not %3").arg(name, got, want);
    }
    return wrong.join("; ");
}

Wiring::Match Wiring::parse(const QString &line)
{
    const QStringList contenders = line.section('>', 0, 0).split(' ', Qt::SkipEmptyParts);
    const QString results = line.section('>', 1).section(':', 0, 0);
    return {contenders.value(0),
            contenders.value(1),
            contenders.value(2),
            contenders.value(3),
            results.section('/', 0, 0).split(' ', Qt::SkipEmptyParts),
            results.section('/', 1).trimmed(),
            line.section(':', 1).trimmed()};
}

QStringList Wiring::advancing(const Match &match, bool upper)
{
    const QString &winner = upper ? match.upper : match.lower;
    const QString &other = upper ? match.lower : match.upper;
    QStringList copies;
    for (const QString &slot : match.winners)
        copies << slot + "<-" + winner;
    if (!match.loser.isEmpty())
        copies << match.loser + "<-" + other;
    return copies;
}

QByteArray Files::read(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<not written>");
}

void Files::write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("could not write %s", qPrintable(path));
}

QByteArray Files::lines(const QStringList &texts)
{
    QByteArray bytes;
    for (const QString &text : texts)
        bytes += text.toUtf8() + "\r\n";
    return bytes;
}

BoardFixture::BoardFixture(WindowId id) : board(program.open(id)), m_list(boardList(id)) { }

QString BoardFixture::path(const QString &name) const
{
    return m_dir.filePath(name);
}

QByteArray BoardFixture::save()
{
    program.dialogs.answers.enqueue(path());
    Ui::click(board, m_list.save);
    return Files::read(path());
}

void BoardFixture::load(const QByteArray &bytes)
{
    Files::write(path("loaded.txt"), bytes);
    program.dialogs.answers.enqueue(path("loaded.txt"));
    Ui::click(board, m_list.load);
}

QStringList BoardFixture::texts(const QStringList &slots) const
{
    QStringList found;
    for (const QString &name : slots)
        found << Ui::text(board, name);
    return found;
}
