// Run by packages.sh from an installed Kayfabe Kit folder on Wine's Windows desktop: the windows
// come up through the shipped libraries and plugins, and a played bracket goes through a file in
// the user's Documents folder and back. KAYFABE_SHOTS names a folder for a picture of the board.
#include "testsupport.h"

#include <QDir>
#include <QStandardPaths>

using namespace Ui;

class InstallCheck : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void playedBracketGoesThroughDocuments()
    {
        QCOMPARE(QGuiApplication::platformName(), "windows");
        TestProgram program;
        QWidget *menu = program.open(WindowId::Main);
        QVERIFY(QTest::qWaitForWindowExposed(menu));
        QCOMPARE(menu->windowTitle(), "Main Menu");
        click(menu, "cmdFourman");
        QWidget *board = program.windows().show(WindowId::Four);
        QVERIFY(QTest::qWaitForWindowExposed(board));
        const QStringList names {"Bret Hart", "Jean-Pièrre", "Owen", "Mr. Perfect"};
        for (int i = 0; i < names.size(); ++i)
            type(board, QStringList {"One", "two", "three", "four"}.at(i), names.at(i));
        for (const char *button : {"Command3", "Command6", "Command2"})
            click(board, button);
        if (const QString shots = qEnvironmentVariable("KAYFABE_SHOTS"); !shots.isEmpty())
            board->grab().save(QDir(shots).filePath("wine-four-man.png"));

        const QString file
                = QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
                          .filePath("Kayfabe Kit check.txt");
        program.dialogs.answers << file << file;
        click(board, "Command15");
        QVERIFY(Files::read(file).startsWith("Bret Hart\r\nJean-Pi\xe8rre\r\n"));
        click(board, "Command16");
        click(board, "Command14");
        QCOMPARE(text(board, "One"), "Bret Hart");
        QCOMPARE(text(board, "two"), "Jean-Pièrre");
        QVERIFY(QFile::remove(file));
        QVERIFY(program.dialogs.messages.isEmpty());
    }
};

QTEST_MAIN(InstallCheck)
#include "installcheck.moc"
