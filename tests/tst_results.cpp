// SPDX-License-Identifier: GPL-3.0-or-later
#include "roundrobinwindow.h"
#include "testsupport.h"

#include <QtWidgets>

#ifdef Q_OS_UNIX
#    include <unistd.h>
#endif

namespace {

const QString Long = "L" + QString(9998, u'o') + "ng"; // 10,000 characters
// A name that overrides its line's direction and closes an isolate it never opened.
const QStringList Hostile
        = QString("<script>document.body.innerHTML='pwned'</script>|&amp;|**bold**|[url=x]y[/url]|"
                  "a[/noparse]b[color=red]c|\"Quoted\" 'Single'|Ōkami 大和 \u202EБорис\u2069 عمر|"
                  + Long)
                  .split('|');
const QStringList Wrestlers
        = QString("Ace Blaze Cobra Duke Edge Fang Ghost Hawk Ivan Jax Kane Lex Mace Nitro Ox Pike "
                  "Quake Rex Sting Tank Ultra Vader Wolf Xeno York Zeus Apex Brute Crow Drake Echo "
                  "Flint")
                  .split(' ');

struct Play
{
    const char *name;
    WindowId id;
    QStringList names;
    int count; // matches played, in the order of the rounds
    QStringList wins; // the Win buttons clicked after them
};
// clang-format off
const QList<Play> Plays {
        {"four", WindowId::Four, Wrestlers, 99, {"Command13"}},
        {"eight", WindowId::Eight, Wrestlers, 99, {}},
        {"sixteen", WindowId::Sixteen, Wrestlers, 99, {"Command5", "Command7", "Command1", "Command2"}},
        {"thirtytwo", WindowId::ThirtyTwo, Wrestlers, 99, {"Command2"}},
        {"hostile", WindowId::Eight, Hostile, 99, {}},
        {"four-byes", WindowId::Four, {"One", "BYE", "Two", "BYE"}, 99, {"Command12"}},
        {"sixteen-empty", WindowId::Sixteen, {}, 30, {}},
        {"four-undecided", WindowId::Four, Wrestlers, 0, {}},
        {"sixteen-half", WindowId::Sixteen, Wrestlers, 17, {}},
        {"thirtytwo-half", WindowId::ThirtyTwo, Wrestlers, 23, {}}};
// clang-format on

// The expected text in tests/results; {long} stands for the 10,000-character name. With
// KAYFABE_WRITE_RESULTS set, the actual text is stored first.
QString expected(const QString &file, const QString &actual = {})
{
    const QString stored = "tests/results/" + file;
    if (!actual.isNull() && qEnvironmentVariableIsSet("KAYFABE_WRITE_RESULTS"))
        Files::write(stored, QString(actual).replace(Long, "{long}").toUtf8());
    QString text = QString::fromUtf8(Files::read(stored)).replace("{long}", Long);
#ifdef Q_OS_WIN // saved with the platform's line ends
    text.replace("\n", "\r\n");
#endif
    return text;
}

// Chromium without a sandbox, a screen or the network: prints the page's DOM and takes a picture
// of it. %1: a folder for its profile, %2: the page.
const char *const Chromium = "--headless --no-sandbox --disable-gpu --disable-quic --no-first-run "
                             "--disable-sync --disable-background-networking "
                             "--disable-component-update --window-size=480,800 --dump-dom "
                             "--user-data-dir=%1/profile --screenshot=%2.png file://%2";

// Names the entry slots and plays: the upper contender wins, but in every third match the lower.
void play(QWidget *window, const Play &play)
{
    const Board::Table &table = static_cast<BoardWindow *>(window)->table();
    qsizetype next = 0, played = 0;
    for (const Form::Row &row : table.widgets)
        if (row.kind == Form::Kind::TextBox && !play.names.isEmpty())
            Ui::type(window, row.name, play.names[next++ % play.names.size()]);
    for (const Board::Round &round : table.bracket.rounds)
        for (const char *title : round.matches)
            for (const Board::Match &match : table.bracket.matches)
                if (qstrcmp(match.title, title) == 0 && played++ < play.count)
                    Ui::click(window, played % 3 ? match.upperButton : match.lowerButton);
    for (const QString &button : play.wins)
        Ui::click(window, button);
    if (play.count < 99 && !play.names.isEmpty()) // a winner no longer a contender decides nothing
        Ui::type(window, table.widgets[0].name, "Retyped");
}

} // namespace

Q_DECLARE_METATYPE(Play)

class TestResults : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestProgram> m_program;
    QTemporaryDir m_dir;

    // Saves the results through the board's menu and returns what the file holds.
    QString save(QWidget *window, const QString &file)
    {
        m_program->dialogs.answers.enqueue(m_dir.filePath(file));
        Ui::action(window, "Save Results...")->trigger();
        return QString::fromUtf8(Files::read(m_dir.filePath(file)));
    }

    static QString spaced(QString text)
    {
        return text.replace(QRegularExpression("\\s+"), " ").trimmed();
    }
    // The text a page shows, its tags gone and its entities read.
    static QString shown(QString html)
    {
        html.remove(QRegularExpression("<[^>]*>"));
        return spaced(html.replace("&lt;", "<")
                              .replace("&gt;", ">")
                              .replace("&nbsp;", " ")
                              .replace("&quot;", "\"")
                              .replace("&amp;", "&"));
    }

    // Markdown or BBCode through a real parser (cmark-gfm, raw HTML let through; a forum's that
    // knows no [noparse]): no name makes a link, a colour or a tag, and what shows is the plain
    // text (or, given none, just that).
    void checkParsed(const QString &text, const QString &plain)
    {
        const bool markdown = text.startsWith('#');
        const QString program = QStandardPaths::findExecutable(markdown ? "cmark-gfm" : "node");
        if (program.isEmpty() || (!markdown && !QFileInfo::exists("tests/bbcode/node_modules")))
            QSKIP("no parser: ./test installs cmark-gfm, and Node.js's @bbob/html in tests/bbcode");
        QProcess parser;
        parser.start(program,
                     markdown ? QStringList {"--unsafe", "-e", "table"}
                              : QStringList {"tests/bbcode/render.mjs"});
        parser.write(text.toUtf8());
        parser.closeWriteChannel();
        QVERIFY(parser.waitForFinished(60000));
        const QString page = QString::fromUtf8(parser.readAllStandardOutput());
        QVERIFY2(!page.contains("<a ") && !page.contains("color:") && !page.contains("<script")
                         && !page.contains("<b>"),
                 qPrintable(page.left(2000)));
        if (!plain.isEmpty())
            QCOMPARE(shown(page), spaced(plain));
    }

    // The page in a real browser: its text is the plain-text result, no name ran as a script, and
    // it shows something.
    void checkInBrowser(const QString &page, const QString &plain)
    {
        const QString chromium = QStandardPaths::findExecutable("chromium");
        if (chromium.isEmpty())
            QSKIP("chromium is not installed: install Debian's chromium package to test the page");
        QProcess browser;
        browser.start(chromium, QString(Chromium).arg(m_dir.path(), page).split(' '));
        QVERIFY(browser.waitForFinished(120000));
        const QString dom = QString::fromUtf8(browser.readAllStandardOutput());
        QVERIFY(!dom.contains("<script", Qt::CaseInsensitive) && dom.contains("<body>"));
        if (!plain.isEmpty())
            QCOMPARE(shown(dom.section("<body>", 1)), spaced(plain));
        QVERIFY2(QImage(page + ".png").convertToFormat(QImage::Format_Indexed8).colorCount() > 1,
                 "blank page");
    }

private Q_SLOTS:
    void init() { m_program = std::make_unique<TestProgram>(); }
    void cleanup() { m_program.reset(); }

    // Each format of boards played through, partly played or not at all, and of hostile names
    // under a hostile event name.
    void eachFormat_data()
    {
        QTest::addColumn<Play>("play");
        for (const Play &play : Plays)
            for (const char *type : {".txt", ".md", ".bbcode", ".html"})
                if (play.count == 99 || type == QString(".txt"))
                    QTest::addRow("%s%s", play.name, type) << play;
    }
    void eachFormat()
    {
        QFETCH(Play, play);
        QWidget *window = m_program->openActive(play.id);
        m_program->dialogs.texts.enqueue(
                play.names == Hostile ? "<b>Night & \"Day\"</b> [i]**1**[/i] \\" : "");
        Ui::action(window, "Event Name...")->trigger();
        ::play(window, play);
        const QString file = QTest::currentDataTag(), saved = save(window, file);
        QCOMPARE(saved, expected(file, saved));
        QCOMPARE(Files::read(m_dir.filePath(file)), saved.toUtf8()); // no byte-order mark
        QVERIFY(!saved.contains("BYE")); // a bout against a bye is no match
        const int copy = QStringList {"txt", "md", "bbcode"}.indexOf(QFileInfo(file).suffix());
        if (copy < 0)
            return checkInBrowser(m_dir.filePath(file), expected(QString(play.name) + ".txt"));
        Ui::action(window, QStringList {"Plain Text", "Markdown", "BBCode"}[copy])->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), QString(saved).replace("\r\n", "\n"));
        if (copy > 0)
            checkParsed(saved, expected(QString(play.name) + ".txt"));
    }

    // A round robin of hostile names in two blocks: nights of matches won, drawn and not yet
    // played, then each block's standings.
    void roundRobinInEachFormat_data()
    {
        QTest::addColumn<QString>("file");
        for (const char *type : {".txt", ".md", ".bbcode", ".html"})
            QTest::newRow(type) << QString("roundrobin") + type;
    }
    void roundRobinInEachFormat()
    {
        QFETCH(QString, file);
        auto *window = static_cast<RoundRobinWindow *>(m_program->openActive(WindowId::RoundRobin));
        m_program->dialogs.fillIn = [](QDialog &dialog) {
            dialog.findChild<QPlainTextEdit *>("rrNames")->setPlainText(Hostile.join('\n'));
            dialog.findChild<QSpinBox *>("rrPerBlock")->setValue(4);
            return true;
        };
        Ui::press(window, QKeySequence("Ctrl+D"));
        m_program->dialogs.texts.enqueue("<b>G1</b> & [i]Climax[/i]");
        Ui::action(window, "Event Name...")->trigger();
        int played = 0;
        for (const RoundRobin::Match &match : window->file().tournament.matches())
            if (++played % 4)
                window->decide(match,
                               played % 3 ? RoundRobin::Result::SecondWon
                                          : RoundRobin::Result::Drawn);
        const QString saved = save(window, file);
        QCOMPARE(saved, expected(file, saved));
        if (file.endsWith(".html"))
            return checkInBrowser(m_dir.filePath(file), {});
        if (!file.endsWith(".txt"))
            checkParsed(saved, file.endsWith(".md") ? QString() : expected("roundrobin.txt"));
    }

    // The event name heads results and pictures, outlives Undo and holds 100 characters; saving
    // starts again in the last folder, and a failed write keeps the old file.
    void eventNameAndSaving()
    {
        QWidget *window = m_program->openActive(WindowId::Four);
        FakeDialogs &dialogs = m_program->dialogs;
        dialogs.texts << QString(150, u'x') << std::nullopt << "";
        play(window, {"", WindowId::Four, Wrestlers, 1, {}});
        Ui::action(window, "Event Name...")->trigger();
        Ui::action(window, "Ctrl+Z")->trigger(); // takes back the click, not the name
        QCOMPARE(Ui::text(window, "Two1"), "");
        Ui::action(window, "Event Name...")->trigger(); // cancelled
        QCOMPARE(save(window, "first.TXT").section('\n', 0, 0).trimmed(), QString(100, u'x'));
        QVERIFY(save(window, "second.htm").startsWith("<!DOCTYPE html>"));
        dialogs.chosenFilter = "Markdown (*.md)"; // a name without an extension takes the type's
        QVERIFY(save(window, "card") == "<not written>"
                && Files::read(m_dir.filePath("card.md")).startsWith("# "));
        dialogs.replace = false;
        Files::write(m_dir.filePath("card.md"), "kept");
        save(window, "card");
        QCOMPARE(Files::read(m_dir.filePath("card.md")), "kept");
        dialogs.messages.clear();
        dialogs.answers << m_dir.filePath("named.png") << m_dir.filePath("plain.png");
        Ui::action(window, "Save Picture...")->trigger();
        Ui::action(window, "Event Name...")->trigger();
        Ui::action(window, "Save Picture...")->trigger();
        const QImage named(m_dir.filePath("named.png")), plain(m_dir.filePath("plain.png"));
        QCOMPARE(plain.size(), window->size() * window->devicePixelRatio());
        QVERIFY(named.height() > plain.height() && named.width() == plain.width());
        // The name in a band across the top: more than one colour in it.
        const QImage band = named.copy(0, 0, named.width(), named.height() - plain.height())
                                    .convertToFormat(QImage::Format_RGB32);
        QVERIFY(band.convertToFormat(QImage::Format_Indexed8).colorCount() > 1);
        QCOMPARE(QFileInfo(dialogs.startPaths[1]).path(), m_dir.path());
#ifdef Q_OS_UNIX // users and mode bits as POSIX has them
        // An ordinary user cannot write into the folder, but could empty the old file in it.
        const QString old = m_dir.filePath("locked/old.txt");
        QDir(m_dir.path()).mkdir("locked");
        Files::write(old, "old");
        QFile::setPermissions(old, QFileDevice::Permissions(0x6666));
        QFile::setPermissions(m_dir.filePath("locked"), QFileDevice::Permissions(0x5555));
        QFile::setPermissions(m_dir.path(), QFileDevice::Permissions(0x7755));
        QVERIFY(geteuid() != 0 || seteuid(65534) == 0);
        save(window, "locked/old.txt");
        QVERIFY(getuid() != 0 || seteuid(0) == 0);
        QCOMPARE(Files::read(old), "old");
        QVERIFY(dialogs.messages.size() == 1
                && dialogs.messages[0].text.contains("Permission denied"));
#endif
    }
};

QTEST_MAIN(TestResults)
#include "tst_results.moc"
