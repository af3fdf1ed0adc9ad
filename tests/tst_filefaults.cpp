// Every way a bracket file can go wrong, on the four-man board: the user is told clearly and
// neither the board nor a file on disk loses anything.
#include "testsupport.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <optional>

#include <sys/resource.h>

#include <unistd.h>

using namespace Ui;

namespace {

enum class Setup {
    File,
    Missing,
    Folder,
    Unreadable,
    Unwritable,
    ReadOnlyFile,
    MissingFolder,
    FullDisk,
    SizeLimit,
    Vanishes
};

const QStringList FileOrder = {"One",    "two",    "three",  "four",   "Two1",  "Two2", "Three1",
                               "loser1", "loser2", "loser3", "loser4", "four2", "Four4"};

QStringList boardTexts(QWidget *board)
{
    QStringList texts;
    for (const QString &name : FileOrder)
        texts << text(board, name);
    return texts;
}

QByteArray lines(int count)
{
    QByteArray bytes;
    for (int i = 1; i <= count; ++i)
        bytes += "name " + QByteArray::number(i) + "\r\n";
    return bytes;
}

// Permissions do not stop root: act as an ordinary user while the board touches the file.
class AsOrdinaryUser
{
public:
    AsOrdinaryUser() : m_wasRoot(geteuid() == 0) { m_ok = !m_wasRoot || seteuid(65534) == 0; }
    ~AsOrdinaryUser()
    {
        if (m_wasRoot && seteuid(0) != 0)
            qFatal("could not become root again");
    }
    bool ok() const { return m_ok; }

private:
    bool m_wasRoot;
    bool m_ok = true;
};

} // namespace

class TestFileFaults : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_program = std::make_unique<TestProgram>();
        m_board = m_program->open(WindowId::Four);
        // Root's group still applies to the ordinary user below, so groups get what others get.
        QFile::setPermissions(m_dir.path(),
                              QFile::permissions(m_dir.path()) | QFile::ExeGroup | QFile::ReadGroup
                                      | QFile::ExeOther | QFile::ReadOther);
    }
    void cleanup()
    {
        m_program.reset();
        QFile::remove(m_dir.filePath("bracket.txt"));
        QFile::setPermissions(m_dir.filePath("locked"), QFile::Permissions(0x7777));
    }

    void loading_data()
    {
        QTest::addColumn<Setup>("setup");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("said"); // empty: the file loads
        QTest::addColumn<QStringList>("firstAndLast");
        const QStringList unchanged {"Wrestler 1", ""};
        QTest::newRow("missing file")
                << Setup::Missing << QByteArray() << "Could not open" << unchanged;
        QTest::newRow("a folder") << Setup::Folder << QByteArray() << "is a folder" << unchanged;
        QTest::newRow("no read permission")
                << Setup::Unreadable << lines(13) << "Could not open" << unchanged;
        QTest::newRow("vanishes after the dialog")
                << Setup::Vanishes << lines(13) << "Could not open" << unchanged;
        QTest::newRow("empty file") << Setup::File << QByteArray() << "is empty" << unchanged;
        QTest::newRow("short file") << Setup::File << lines(5) << "holds 5 of the 13" << unchanged;
        QTest::newRow("NUL bytes")
                << Setup::File << QByteArray("a\r\n\0b\r\n", 7) << "not a text file" << unchanged;
        QTest::newRow("one 10 MB line")
                << Setup::File << QByteArray(10 << 20, 'x') << "longer than" << unchanged;
        QTest::newRow("100 MB file") << Setup::File << lines(13) + QByteArray(100 << 20, '\n') << ""
                                     << QStringList {"name 1", "name 13"};
        QTest::newRow("invalid UTF-8") << Setup::File << "\xe9t\xe9\r\n" + lines(12) << ""
                                       << QStringList {"été", "name 12"};
        QTest::newRow("CR-only line ends") << Setup::File << lines(13).replace("\r\n", "\r") << ""
                                           << QStringList {"name 1", "name 13"};
        QTest::newRow("old file, comma in a name") << Setup::File << "Hart, Bret\r\n" + lines(12)
                                                   << "" << QStringList {"Hart", "name 11"};
    }
    void loading()
    {
        QFETCH(Setup, setup);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, said);
        QFETCH(QStringList, firstAndLast);
        const QString path = prepare(setup, bytes);
        const QStringList before = boardTexts(m_board);
        clickAs(setup, "Command14", path);
        const QStringList after = boardTexts(m_board);
        QCOMPARE((QStringList {after.first(), after.last()}), firstAndLast);
        if (said.isEmpty()) {
            QVERIFY(m_program->dialogs.messages.isEmpty());
            return;
        }
        QCOMPARE(after, before);
        expectMessage(path, said);
    }

    void saving_data()
    {
        QTest::addColumn<Setup>("setup");
        QTest::newRow("a folder") << Setup::Folder;
        QTest::newRow("no write permission") << Setup::Unwritable;
        QTest::newRow("read-only file") << Setup::ReadOnlyFile;
        QTest::newRow("missing folder") << Setup::MissingFolder;
        QTest::newRow("full device") << Setup::FullDisk;
        QTest::newRow("disk fills over an old file") << Setup::SizeLimit;
    }
    void saving()
    {
        QFETCH(Setup, setup);
        const QString path = prepare(setup, "old bracket\r\n");
        const QByteArray old = contents(path);
        clickAs(setup, "Command15", path);
        expectMessage(path, "Could not save");
        QCOMPARE(contents(path), old);
        QCOMPARE(text(m_board, "One"), QStringLiteral("Wrestler 1"));
    }

private:
    QString prepare(Setup setup, const QByteArray &bytes)
    {
        const QString file = m_dir.filePath("bracket.txt");
        const QString locked = m_dir.filePath("locked");
        switch (setup) {
        case Setup::File:
        case Setup::SizeLimit:
        case Setup::Vanishes:
            write(file, bytes);
            if (setup == Setup::Vanishes)
                m_program->dialogs.afterAnswer = [file](const QString &) { QFile::remove(file); };
            return file;
        case Setup::Missing:
            return m_dir.filePath("nowhere.txt");
        case Setup::Folder:
            return m_dir.path();
        case Setup::Unreadable:
        case Setup::ReadOnlyFile:
            write(file, bytes);
            QFile::setPermissions(file,
                                  setup == Setup::Unreadable
                                          ? QFile::Permissions()
                                          : QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
            return file;
        case Setup::Unwritable:
            QDir().mkdir(locked);
            QFile::setPermissions(locked,
                                  QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup
                                          | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
            return locked + "/bracket.txt";
        case Setup::MissingFolder:
            return m_dir.filePath("no/such/folder/bracket.txt");
        case Setup::FullDisk:
            return QStringLiteral("/dev/full");
        }
        return file;
    }

    // Clicks Save or Load and answers its dialog; permissions are tried as an ordinary user, and
    // a disk that fills up as a limit on the size of any file written.
    void clickAs(Setup setup, const char *button, const QString &path)
    {
        std::optional<AsOrdinaryUser> user;
        if (setup == Setup::Unreadable || setup == Setup::Unwritable
            || setup == Setup::ReadOnlyFile)
            QVERIFY(user.emplace().ok());
        m_program->dialogs.answers.enqueue(path);
        rlimit unlimited {};
        getrlimit(RLIMIT_FSIZE, &unlimited);
        rlimit full = unlimited;
        full.rlim_cur = setup == Setup::SizeLimit ? 20 : unlimited.rlim_cur;
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &full), 0);
        click(m_board, button);
        setrlimit(RLIMIT_FSIZE, &unlimited);
        std::signal(SIGXFSZ, oldHandler);
    }

    static void write(const QString &path, const QByteArray &bytes)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup
                            | QFile::ReadOther);
    }

    static QByteArray contents(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.read(64) : QByteArray();
    }

    void expectMessage(const QString &path, const QString &said)
    {
        QCOMPARE(m_program->dialogs.messages.size(), 1);
        const FakeDialogs::Message &message = m_program->dialogs.messages.first();
        QVERIFY2(message.text.contains(said) && message.text.contains(path),
                 qPrintable(message.text));
        QCOMPARE(message.title, m_board->windowTitle());
    }

    QTemporaryDir m_dir;
    std::unique_ptr<TestProgram> m_program;
    QWidget *m_board = nullptr;
};

QTEST_MAIN(TestFileFaults)
#include "tst_filefaults.moc"
