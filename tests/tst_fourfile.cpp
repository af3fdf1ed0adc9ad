#include "testsupport.h"

#include <QFile>
#include <QLabel>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Ui;

namespace {

// The four-man board's file, line by line.
const QStringList FileOrder = {"One",    "two",    "three",  "four",   "Two1",  "Two2", "Three1",
                               "loser1", "loser2", "loser3", "loser4", "four2", "Four4"};

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

void setSlot(QWidget *board, const QString &name, const QString &value)
{
    if (auto *label = board->findChild<QLabel *>(name))
        label->setText(value); // result slots are filled by buttons; here straight away
    else
        type(board, name, value);
}

QStringList boardTexts(QWidget *board)
{
    QStringList texts;
    for (const QString &name : FileOrder)
        texts << text(board, name);
    return texts;
}

QString nastyName(QRandomGenerator &random)
{
    static const QStringList pieces
            = {"Hart",         ", Bret",      "\"Hitman\"", " ", "007", "1.50", "2E3", "#TRUE#",
               "#2024-01-31#", "#5 Wrestler", "Ñandú",      "✓", "€",   "Ã©",   "-0",  ""};
    QString name;
    const int count = random.bounded(4);
    for (int i = 0; i < count; ++i)
        name += pieces.at(random.bounded(pieces.size()));
    return name;
}

} // namespace

class TestFourFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_program = std::make_unique<TestProgram>();
        m_board = m_program->open(WindowId::Four);
        QVERIFY(m_dir.isValid());
    }
    void cleanup() { m_program.reset(); }

    void saveOfAFreshBoardWritesItsPlaceholders()
    {
        QCOMPARE(save(),
                 QByteArray("Wrestler 1\r\nWrestler 2\r\nWrestler 3\r\nWrestler 4\r\n")
                         + QByteArray("\r\n").repeated(9));
        QVERIFY(m_program->dialogs.messages.isEmpty());
    }

    void saveAfterResetWritesEmptyLinesThatEmptyTheBoard()
    {
        click(m_board, "Command16");
        QCOMPARE(save(), QByteArray("\r\n").repeated(13));
        QWidget *fresh = reopen();
        load(fresh, path());
        QCOMPARE(boardTexts(fresh), QStringList(13, QString()));
    }

    void everyNameComesBackExactly()
    {
        QRandomGenerator random(1234);
        for (int round = 0; round < 40; ++round) {
            for (const QString &name : FileOrder)
                setSlot(m_board, name, nastyName(random));
            const QStringList saved = boardTexts(m_board);
            save();
            click(m_board, "Command16");
            load(m_board, path());
            QCOMPARE(boardTexts(m_board), saved);
        }
        QVERIFY(m_program->dialogs.messages.isEmpty());
    }

    void filesOfTheOldProgramLoadByItsRules()
    {
        // Plain lines: the typed lines 4 to 12 lose leading zeros, the text lines keep them,
        // and the surname's comma pushes every later name one slot on.
        writeFile(path(),
                  "007\r\n007\r\n  Spaced\r\n007\r\nHart, Bret\r\n2E3\r\n#TRUE#\r\n"
                  "x\r\nx\r\nx\r\nx\r\n012\r\nlast\r\n");
        load(m_board, path());
        const QStringList expected = {"007",  "007", "Spaced", "7", "Hart", "Bret", "2000",
                                      "True", "x",   "x",      "x", "x",    "012"};
        QCOMPARE(boardTexts(m_board), expected);
    }

    void theLosersFinalistComesBeforeTheWinnersFinalist()
    {
        setSlot(m_board, "four2", "Losers' side");
        setSlot(m_board, "Four4", "Winners' side");
        const QList<QByteArray> lines = save().split('\n');
        QCOMPARE(lines.at(11), QByteArray("Losers' side\r"));
        QCOMPARE(lines.at(12), QByteArray("Winners' side\r"));
    }

    void loadLeavesTheChampionAndWhatIsHidden()
    {
        writeFile(path(), QByteArray("a\r\n").repeated(13));
        type(m_board, "One", "Bret");
        click(m_board, "Command3");
        click(m_board, "Command2");
        click(m_board, "Command12");
        load(m_board, path());
        QCOMPARE(text(m_board, "Label5"), QStringLiteral("Winner: Bret"));
        QCOMPARE(text(m_board, "Four4"), QStringLiteral("a"));
        QVERIFY(!shown(m_board, "Four4"));
        QVERIFY(!shown(m_board, "Command12"));
    }

    void loadsTheFirstValuesOfALongerFile()
    {
        QByteArray bytes;
        for (int i = 1; i <= 62; ++i)
            bytes += "name " + QByteArray::number(i) + "\r\n";
        bytes += QByteArray(20 * 1024 * 1024, 'x'); // tens of megabytes never read
        writeFile(path(), bytes);
        load(m_board, path());
        QCOMPARE(text(m_board, "One"), QStringLiteral("name 1"));
        QCOMPARE(text(m_board, "Four4"), QStringLiteral("name 13"));
        QVERIFY(m_program->dialogs.messages.isEmpty());
    }

    void cancelledDialogsDoNothing()
    {
        writeFile(path(), "keep\r\n");
        m_program->dialogs.answers.enqueue(QString());
        click(m_board, "Command15");
        QCOMPARE(readAll(path()), QByteArray("keep\r\n"));
        m_program->dialogs.answers.enqueue(QString());
        click(m_board, "Command14");
        QCOMPARE(text(m_board, "One"), QStringLiteral("Wrestler 1"));
        QVERIFY(m_program->dialogs.messages.isEmpty());
    }

    void dialogsStartInDocumentsThenOfferTheLastFile()
    {
        save();
        m_program->dialogs.answers.enqueue(QString());
        click(m_board, "Command14");
        const QStringList starts = m_program->dialogs.startPaths;
        const QString documents
                = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        QVERIFY2(starts.at(0) == documents || starts.at(0) == QDir::homePath(),
                 qPrintable(starts.at(0)));
        QCOMPARE(starts.at(1), path());
    }

private:
    QString path() const { return m_dir.filePath("bracket.txt"); }

    QByteArray save()
    {
        m_program->dialogs.answers.enqueue(path());
        click(m_board, "Command15");
        return readAll(path());
    }

    void load(QWidget *board, const QString &file)
    {
        m_program->dialogs.answers.enqueue(file);
        click(board, "Command14");
    }

    QWidget *reopen()
    {
        click(m_board, "Command17");
        TestProgram::settle();
        m_board = m_program->open(WindowId::Four);
        return m_board;
    }

    QTemporaryDir m_dir;
    std::unique_ptr<TestProgram> m_program;
    QWidget *m_board = nullptr;
};

QTEST_MAIN(TestFourFile)
#include "tst_fourfile.moc"
