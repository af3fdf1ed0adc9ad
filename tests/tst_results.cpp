#include "boardwindow.h"
#include "testsupport.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

#include <unistd.h>

namespace {

const QString Long = "L" + QString(9998, u'o') + "ng"; // 10,000 characters
const QStringList Hostile
        = QString("<script>document.body.innerHTML='pwned'</script>|&amp;|**bold**|"
                  "[url=x]y[/url]|a[/noparse]b[/NOPARSE]c|\"Quoted\" 'Single'|"
                  "Ōkami 大和 Борис عمر")
                  .split('|')
        << Long;

QStringList wrestlers()
{
    QStringList names;
    for (const char *last : {"Steel", "Storm", "Stone", "Fury"})
        for (const char *first :
             {"Ace", "Blaze", "Crusher", "Duke", "Edge", "Fang", "Ghost", "Hawk"})
            names << QStringLiteral("%1 %2").arg(first, last);
    return names;
}

// The expected text in tests/results; {long} stands for the 10,000-character name.
QString expected(const QString &file, const QString &actual)
{
    QFile stored("tests/results/" + file);
    if (qEnvironmentVariableIsSet("KAYFABE_WRITE_RESULTS") && stored.open(QIODevice::WriteOnly))
        stored.write(QString(actual).replace(Long, "{long}").toUtf8());
    stored.close();
    return stored.open(QIODevice::ReadOnly)
            ? QString::fromUtf8(stored.readAll()).replace("{long}", Long)
            : "no file " + file;
}

// Names the entry slots and plays the first `count` matches in the order of the rounds: the
// upper contender wins, but in every third match the lower; finals are won with the Win buttons
// given, one entry per final ("A B" clicks A, then B).
void play(QWidget *window, const QStringList &names, int count, QStringList wins = {})
{
    const Board::Table &table = static_cast<BoardWindow *>(window)->table();
    qsizetype next = 0;
    for (const Form::Row &row : table.widgets)
        if (row.kind == Form::Kind::TextBox && !names.isEmpty())
            Ui::type(window, row.name, names[next++ % names.size()]);
    int played = 0;
    for (const Board::Round &round : table.rounds)
        for (const char *title : round.matches) {
            if (played++ >= count)
                return;
            auto match = std::ranges::find_if(
                    table.matches, [title](auto &m) { return qstrcmp(m.title, title) == 0; });
            if (match == table.matches.end())
                for (const QString &button :
                     wins.isEmpty() ? QStringList() : wins.takeFirst().split(' '))
                    Ui::click(window, button);
            else
                Ui::click(window, played % 3 ? match->upperButton : match->lowerButton);
        }
}

QAction *action(QWidget *window, const QString &text)
{
    QList<QAction *> all = window->actions();
    for (QAction *each : window->actions())
        if (each->menu())
            all << each->menu()->actions();
    auto found = std::ranges::find_if(
            all, [&](QAction *a) { return a->text() == text || a->shortcut().toString() == text; });
    return found == all.end() ? qFatal("no entry %s", qPrintable(text)), nullptr : *found;
}

} // namespace

class TestResults : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestProgram> m_program;
    QTemporaryDir m_dir;
    QWidget *m_window = nullptr;

    QWidget *open(WindowId id)
    {
        m_program = std::make_unique<TestProgram>();
        QWidget *window = m_program->open(id);
        [[maybe_unused]] bool ready = QTest::qWaitFor([=] { return !window->actions().isEmpty(); });
        return window;
    }
    // Saves the results through the board's menu and returns what the file holds.
    QString save(QWidget *window, const QString &file)
    {
        m_program->dialogs.answers.enqueue(m_dir.filePath(file));
        action(window, "Save Results...")->trigger();
        return QString::fromUtf8(Files::read(m_dir.filePath(file)));
    }
    // Plays a board (hostile names under a hostile event name) and saves its results.
    QString playAndSave(WindowId id, const QStringList &names, int count, const QStringList &wins,
                        const QString &file)
    {
        m_window = open(id);
        m_program->dialogs.texts.enqueue(names == Hostile ? "<b>Night & \"Day\"</b> [i]**1**[/i] \\"
                                                          : "");
        action(m_window, "Event Name...")->trigger();
        play(m_window, names, count, wins);
        if (count < 99
            && !names.isEmpty()) // a winner who no longer matches a contender decides nothing
            Ui::type(m_window, static_cast<BoardWindow *>(m_window)->table().widgets[0].name,
                     "Retyped");
        return save(m_window, file);
    }

private Q_SLOTS:
    void cleanup() { m_program.reset(); }

    // Each format of boards played through, partly played or not at all, and of hostile names.
    void eachFormat_data()
    {
        QTest::addColumn<WindowId>("id");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<int>("count"); // matches played
        QTest::addColumn<QStringList>("wins");
        const QList<std::tuple<const char *, WindowId, QStringList, int, QStringList>> boards {
                {"four", WindowId::Four, wrestlers(), 99, {"Command13"}},
                {"eight", WindowId::Eight, wrestlers(), 99, {}},
                {"sixteen",
                 WindowId::Sixteen,
                 wrestlers(),
                 99,
                 {"Command5", "Command7", "Command2 Command1"}},
                {"thirtytwo", WindowId::ThirtyTwo, wrestlers(), 99, {"Command2"}},
                {"hostile", WindowId::Eight, Hostile, 99, {}},
                {"sixteen-empty", WindowId::Sixteen, {}, 30, {}},
                {"four-undecided", WindowId::Four, wrestlers(), 0, {}},
                {"sixteen-half", WindowId::Sixteen, wrestlers(), 17, {}},
                {"thirtytwo-half", WindowId::ThirtyTwo, wrestlers(), 23, {}}};
        for (auto [name, id, names, count, wins] : boards)
            for (const char *type : {".txt", ".md", ".bbcode", ".html"})
                if (count == 99 || type == QString(".txt"))
                    QTest::addRow("%s%s", name, type) << id << names << count << wins;
    }
    void eachFormat()
    {
        QFETCH(WindowId, id);
        QFETCH(QStringList, names);
        QFETCH(int, count);
        QFETCH(QStringList, wins);
        const QString file = QTest::currentDataTag();
        const QString saved = playAndSave(id, names, count, wins, file);
        QCOMPARE(saved, expected(file, saved));
        const int copy = QStringList {"txt", "md", "bbcode"}.indexOf(QFileInfo(file).suffix());
        if (copy >= 0) {
            action(m_window, QStringList {"Plain Text", "Markdown", "BBCode"}[copy])->trigger();
            QCOMPARE(QGuiApplication::clipboard()->text(), saved);
        }
    }

    // The page in a real browser: its text is the plain-text result, and no name ran as script.
    void webPageInABrowser()
    {
        const QString chromium = QStandardPaths::findExecutable("chromium");
        if (chromium.isEmpty())
            QSKIP("chromium is not installed: install Debian's chromium package to test the page");
        const QString plain = playAndSave(WindowId::Eight, Hostile, 99, {}, "hostile.txt");
        const QString page = m_dir.filePath("page.html");
        save(m_window, "page.html");
        const QStringList quiet
                = QString("--headless --no-sandbox --disable-gpu --disable-quic --no-first-run "
                          "--disable-background-networking --disable-component-update "
                          "--disable-sync")
                          .split(' ')
                << "--user-data-dir=" + m_dir.filePath("profile");
        QProcess browser;
        browser.start(chromium, quiet + QStringList {"--dump-dom", "file://" + page});
        QVERIFY(browser.waitForFinished(120000));
        const QString dom = QString::fromUtf8(browser.readAllStandardOutput());
        QVERIFY2(!dom.contains("<script", Qt::CaseInsensitive) && dom.contains("<body>"),
                 qPrintable(dom.left(2000)));
        QString body = dom.section("<body>", 1).remove(QRegularExpression("<[^>]*>"));
        body.replace("&lt;", "<").replace("&gt;", ">").replace("&nbsp;", " ").replace("&amp;", "&");
        const QRegularExpression space("\\s+");
        QCOMPARE(body.replace(space, " ").trimmed(), QString(plain).replace(space, " ").trimmed());
        const QString shot = m_dir.filePath("page.png");
        browser.start(chromium,
                      quiet
                              + QStringList {"--screenshot=" + shot, "--window-size=480,800",
                                             "file://" + page});
        QVERIFY(browser.waitForFinished(120000));
        const QImage image(shot);
        int inked = 0;
        for (int y = 0; y < image.height(); y += 4)
            for (int x = 0; x < image.width(); x += 4)
                inked += image.pixel(x, y) != image.pixel(0, 0);
        QVERIFY2(inked > 100, "the page's screenshot is blank");
    }

    // The event name heads the results and pictures, stays through Undo, and holds 100 characters.
    void eventName()
    {
        QWidget *window = open(WindowId::Four);
        m_program->dialogs.answers << m_dir.filePath("named.png") << m_dir.filePath("plain.png");
        m_program->dialogs.texts << QString(150, u'x') << std::nullopt << "";
        play(window, wrestlers(), 1);
        action(window, "Event Name...")->trigger();
        action(window, "Ctrl+Z")->trigger(); // takes back the click, not the name
        QCOMPARE(Ui::text(window, "Two1"), "");
        action(window, "Event Name...")->trigger(); // cancelled
        action(window, "Plain Text")->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text().section('\n', 0, 0), QString(100, u'x'));
        action(window, "Save Picture...")->trigger();
        action(window, "Event Name...")->trigger();
        action(window, "Save Picture...")->trigger();
        const QImage named(m_dir.filePath("named.png")), plain(m_dir.filePath("plain.png"));
        QCOMPARE(plain.size(), window->size() * window->devicePixelRatio());
        QVERIFY(named.height() > plain.height() && named.width() == plain.width());
    }

    // Saving starts in Documents, then in the last folder; a failed write keeps the old file.
    void savingResults()
    {
        QWidget *window = open(WindowId::Four);
        QVERIFY(save(window, "first.htm").startsWith("<!DOCTYPE html>"));
        QCOMPARE(save(window, "second.TXT"), "The 4 Man Final Four Mode\n");
        const FakeDialogs &dialogs = m_program->dialogs;
        QCOMPARE(dialogs.filters[0],
                 "Web page (*.html);;Markdown (*.md);;BBCode (*.bbcode);;Plain text (*.txt)");
        const QString documents
                = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        QCOMPARE(QFileInfo(dialogs.startPaths[0]).path(),
                 QFileInfo(documents).isDir() ? documents : QDir::homePath());
        QCOMPARE(QFileInfo(dialogs.startPaths[1]).path(), m_dir.path());
        // An ordinary user cannot write into the folder, but could empty the old file in it.
        const QString locked = m_dir.filePath("locked"), old = locked + "/old.txt";
        QDir().mkdir(locked);
        Files::write(old, "old");
        QFile::setPermissions(old, QFileDevice::Permissions(0x6666));
        QFile::setPermissions(locked, QFileDevice::Permissions(0x5555));
        QFile::setPermissions(m_dir.path(), QFileDevice::Permissions(0x7755));
        const bool root = geteuid() == 0;
        QVERIFY(!root || seteuid(65534) == 0);
        save(window, "locked/old.txt");
        QVERIFY(!root || seteuid(0) == 0);
        QCOMPARE(Files::read(old), "old");
        QVERIFY(dialogs.messages.size() == 1
                && dialogs.messages[0].text.contains("Permission denied"));
    }
};

QTEST_MAIN(TestResults)
#include "tst_results.moc"
