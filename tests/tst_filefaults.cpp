// SPDX-License-Identifier: GPL-3.0-or-later
// Every way a bracket file can go wrong, on the four-man board: the user is told clearly and
// neither the board nor a file on disk loses anything.
#include "testsupport.h"

#include <csignal>
#include <optional>

#include <sys/resource.h>
#include <sys/stat.h>

#include <unistd.h>

namespace {

enum class Setup {
    File,
    Missing,
    Folder,
    Unreadable,
    Locked,
    ReadOnly,
    NoFolder,
    Full,
    Vanishes,
    Pipe
};

// Permissions do not stop root: act as an ordinary user while the board touches the file.
struct AsOrdinaryUser
{
    const bool wasRoot = geteuid() == 0;
    const bool ok = !wasRoot || seteuid(65534) == 0;
    ~AsOrdinaryUser()
    {
        if (wasRoot && seteuid(0) != 0)
            qFatal("could not become root again");
    }
};

} // namespace

class TestFileFaults : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_f.emplace(WindowId::Four);
        // Root's group still applies to the ordinary user below, so groups get what others get.
        QFile::setPermissions(m_f->path(""),
                              QFile::permissions(m_f->path("")) | QFile::ExeGroup | QFile::ReadGroup
                                      | QFile::ExeOther | QFile::ReadOther);
    }
    void cleanup() { m_f.reset(); }

    void loading_data()
    {
        QTest::addColumn<Setup>("setup");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("said");
        const QByteArray lines = QByteArray("name\r\n").repeated(13);
        QTest::newRow("missing file") << Setup::Missing << QByteArray() << "Could not open";
        QTest::newRow("a folder") << Setup::Folder << QByteArray() << "is a folder";
        QTest::newRow("a pipe") << Setup::Pipe << QByteArray() << "not a file that can be loaded";
        QTest::newRow("no read permission") << Setup::Unreadable << lines << "Could not open";
        QTest::newRow("vanishes after the dialog") << Setup::Vanishes << lines << "Could not open";
        QTest::newRow("empty file") << Setup::File << QByteArray() << "is empty";
        QTest::newRow("short file") << Setup::File << lines.left(30) << "holds 5 of the 13";
        QTest::newRow("NUL bytes") << Setup::File << QByteArray("a\r\n\0b", 5) << "not a text file";
        QTest::newRow("one 10 MB line")
                << Setup::File << QByteArray(10 << 20, 'x') << "longer than";
    }
    void loading()
    {
        QFETCH(Setup, setup);
        QFETCH(QByteArray, bytes);
        const QString path = prepare(setup, bytes);
        Wiring::mark(m_f->board, boardList(WindowId::Four).slots);
        const QStringList before = m_f->texts(boardList(WindowId::Four).slots);
        clickAs(setup, "Command14", path);
        QCOMPARE(m_f->texts(boardList(WindowId::Four).slots), before);
        expectMessage(path);
    }

    void saving_data()
    {
        QTest::addColumn<Setup>("setup");
        QTest::addColumn<QString>("said");
        QTest::newRow("a folder") << Setup::Folder << "Could not save";
        QTest::newRow("no write permission") << Setup::Locked << "Could not save";
        QTest::newRow("read-only file") << Setup::ReadOnly << "Could not save";
        QTest::newRow("missing folder") << Setup::NoFolder << "Could not save";
        QTest::newRow("full device") << Setup::Full << "Could not save";
        QTest::newRow("a pipe nobody reads") << Setup::Pipe << "no program reads";
        QTest::newRow("disk fills over an old file") << Setup::File << "Could not save";
    }
    void saving()
    {
        QFETCH(Setup, setup);
        const QString path = prepare(setup, "old bracket\r\n");
        const QByteArray old = contents(path);
        // A disk filling up: no file may grow past 20 bytes while the board saves.
        rlimit unlimited {}, limit {};
        getrlimit(RLIMIT_FSIZE, &unlimited);
        limit = unlimited;
        if (setup == Setup::File)
            limit.rlim_cur = 20;
        const auto handler = std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &limit);
        clickAs(setup, "Command15", path);
        setrlimit(RLIMIT_FSIZE, &unlimited);
        std::signal(SIGXFSZ, handler);
        expectMessage(path);
        QCOMPARE(contents(path), old);
        QCOMPARE(Ui::text(m_f->board, "One"), "Wrestler 1");
    }

private:
    QString prepare(Setup setup, const QByteArray &bytes)
    {
        const QString file = m_f->path("Card %1.txt"); // a name to show as it is
        const QString locked = m_f->path("locked");
        const auto readOnly = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
        switch (setup) {
        case Setup::Missing:
            return m_f->path("nowhere.txt");
        case Setup::Folder:
            return m_f->path("");
        case Setup::Locked:
            QDir().mkdir(locked);
            QFile::setPermissions(locked,
                                  readOnly | QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther);
            return locked + "/bracket.txt";
        case Setup::NoFolder:
            return m_f->path("no/such/folder/bracket.txt");
        case Setup::Full:
            return QStringLiteral("/dev/full");
        case Setup::Pipe:
            return mkfifo(qPrintable(file), 0600) == 0 ? file : QString();
        default:
            break;
        }
        Files::write(file, bytes);
        QFile::setPermissions(file,
                              setup == Setup::Unreadable         ? QFile::Permissions()
                                      : setup == Setup::ReadOnly ? readOnly
                                                                 : readOnly | QFile::WriteOwner);
        if (setup == Setup::Vanishes)
            m_f->program.dialogs.afterAnswer = [file](const QString &) { QFile::remove(file); };
        return file;
    }

    // Clicks Save or Load and answers its dialog; permissions are tried as an ordinary user.
    void clickAs(Setup setup, const char *button, const QString &path)
    {
        std::optional<AsOrdinaryUser> user;
        if (setup == Setup::Unreadable || setup == Setup::Locked || setup == Setup::ReadOnly)
            QVERIFY(user.emplace().ok);
        m_f->program.dialogs.answers.enqueue(path);
        Ui::click(m_f->board, button);
    }

    static QByteArray contents(const QString &path)
    {
        QFile file(path);
        return QFileInfo(path).isFile() && file.open(QIODevice::ReadOnly) ? file.read(64)
                                                                          : QByteArray();
    }

    void expectMessage(const QString &path)
    {
        QFETCH(QString, said);
        QCOMPARE(m_f->program.dialogs.messages.size(), 1);
        const FakeDialogs::Message &message = m_f->program.dialogs.messages.first();
        QVERIFY2(message.text.contains(said)
                         && message.text.contains(QDir::toNativeSeparators(path)),
                 qPrintable(message.text));
        QVERIFY(message.warning);
        QCOMPARE(message.title, m_f->board->windowTitle());
    }

    std::optional<BoardFixture> m_f;
};

QTEST_MAIN(TestFileFaults)
#include "tst_filefaults.moc"
