#include "testsupport.h"

#include <QStandardPaths>
#include <QTest>

using namespace Ui;

namespace {

// The four-man board's file, line by line: the losers' finalist before the winners'.
const QStringList FileOrder = {"One",    "two",    "three",  "four",   "Two1",  "Two2", "Three1",
                               "loser1", "loser2", "loser3", "loser4", "four2", "Four4"};

} // namespace

class TestFourFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { m_f = std::make_unique<BoardFixture>(WindowId::Four, "Command15", "Command14"); }
    void cleanup() { m_f.reset(); }

    void saveOfAFreshBoardWritesItsPlaceholders()
    {
        QCOMPARE(m_f->save(),
                 "Wrestler 1\r\nWrestler 2\r\nWrestler 3\r\nWrestler 4\r\n"
                         + QByteArray("\r\n").repeated(9));
        QVERIFY(m_f->program.dialogs.messages.isEmpty());
    }

    void saveAfterResetWritesEmptyLinesThatEmptyAFreshBoard()
    {
        click(m_f->board, "Command16");
        const QByteArray file = m_f->save();
        QCOMPARE(file, QByteArray("\r\n").repeated(13));
        click(m_f->board, "Command17");
        TestProgram::settle();
        m_f->board = m_f->program.open(WindowId::Four);
        m_f->load(file);
        QCOMPARE(m_f->texts(FileOrder), QStringList(13, QString()));
    }

    void filesOfTheOldProgramLoadByItsRules()
    {
        // Plain lines: the typed lines 4 to 12 lose leading zeros, the text lines keep them,
        // and the surname's comma pushes every later name one slot on.
        m_f->load("007\r\n007\r\n  Spaced\r\n007\r\nHart, Bret\r\n2E3\r\n#TRUE#\r\n"
                  "x\r\nx\r\nx\r\nx\r\n012\r\nlast\r\n");
        const QStringList expected = {"007",  "007", "Spaced", "7", "Hart", "Bret", "2000",
                                      "True", "x",   "x",      "x", "x",    "012"};
        QCOMPARE(m_f->texts(FileOrder), expected);
    }

    void loadKeepsTheChampionAndWhatIsHidden()
    {
        type(m_f->board, "One", "Bret");
        for (const char *button : {"Command3", "Command2", "Command12"})
            click(m_f->board, button);
        m_f->load(QByteArray("a\r\n").repeated(12) + "b\r\n");
        QCOMPARE(text(m_f->board, "Label5"), "Winner: Bret");
        QCOMPARE(text(m_f->board, "Four4"), "b");
        QVERIFY(!shown(m_f->board, "Four4") && !shown(m_f->board, "Command12"));
    }

    void cancelledDialogsDoNothing()
    {
        Files::write(m_f->path(), "keep\r\n");
        m_f->program.dialogs.answers << QString() << QString();
        click(m_f->board, "Command15");
        click(m_f->board, "Command14");
        QCOMPARE(Files::read(m_f->path()), "keep\r\n");
        QCOMPARE(text(m_f->board, "One"), "Wrestler 1");
        QVERIFY(m_f->program.dialogs.messages.isEmpty());
    }

    void dialogsStartInDocumentsThenOfferTheLastFile()
    {
        m_f->save();
        m_f->program.dialogs.answers.enqueue(QString());
        click(m_f->board, "Command14");
        const QStringList starts = m_f->program.dialogs.startPaths;
        const QString documents
                = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        QVERIFY2(starts.at(0) == documents || starts.at(0) == QDir::homePath(),
                 qPrintable(starts.at(0)));
        QCOMPARE(starts.at(1), m_f->path());
    }

private:
    std::unique_ptr<BoardFixture> m_f;
};

QTEST_MAIN(TestFourFile)
#include "tst_fourfile.moc"
