// The menu, moving between windows, when the program ends, and where pictures come from.
#include "testsupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QTest>

using namespace Ui;

class TestNavigation : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_program = std::make_unique<TestProgram>();
        m_menu = m_program->open(WindowId::Main);
    }
    void cleanup() { m_program.reset(); }

    void menuShowsItsButtonsInTabOrder()
    {
        QCOMPARE(m_menu->windowTitle(), "Main Menu");
        for (const char *hidden : {"cmdFeudPlanner", "cmdWinLoss", "cmdEnterRoster"})
            QVERIFY2(!shown(m_menu, hidden), hidden);
        const QStringList tabs = QString("cmdExit cmdFourman cmdEight cmdsixteen cmdthritytwo "
                                         "cmdGimmick cmdRandom cmdExit")
                                         .split(' ');
        QCOMPARE(tabChain(m_menu, "cmdExit", tabs.size()), tabs);
        const QPixmap banner = qobject_cast<QLabel *>(find(m_menu, "imgBanner"))->pixmap();
        QCOMPARE(find(m_menu, "imgBanner")->geometry(), QRect(QPoint(224, 64), banner.size()));
    }

    void exitEndsTheProgramAtOnce()
    {
        auto *exit = qobject_cast<QAbstractButton *>(find(m_menu, "cmdExit"));
        QCOMPARE(exit->shortcut(), QKeySequence(Qt::ALT | Qt::Key_X));
        m_program->open(WindowId::Four);
        exit->click();
        QCOMPARE(m_program->endings, 1);
        QCOMPARE(m_program->windows().loadedCount(), 0);
    }

    void toolsGoBackToTheMenu_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("back");
        QTest::newRow("random winners") << int(WindowId::Random) << "Command2";
        QTest::newRow("gimmick generator") << int(WindowId::Roster) << "Command1";
    }
    void toolsGoBackToTheMenu()
    {
        QFETCH(int, id);
        QFETCH(QString, back);
        click(m_program->open(WindowId(id)), back);
        TestProgram::settle();
        QVERIFY(m_program->windows().instance(WindowId::Main)->isVisible());
        QVERIFY(!m_program->windows().isLoaded(WindowId(id)));
    }

    void drawsContinueAcrossWindows()
    {
        FreshGenerator fresh;
        click(m_program->open(WindowId::Four), "Command18");
        m_program->windows().unload(WindowId::Four);
        click(m_program->open(WindowId::Random), "Command1");
        RandomGenerator twoDraws;
        twoDraws.nextValue();
        twoDraws.nextValue();
        QCOMPARE(processRandom().state(), twoDraws.state());
    }

    // Pictures come from the working folder's gfx folder, then the installation's, then the
    // copies built into the program.
    void picturesComeFromTheWorkingFolderFirst_data()
    {
        QTest::addColumn<QString>("present");
        QTest::addColumn<QString>("from");
        QTest::newRow("both") << "working installed"
                              << "working";
        QTest::newRow("installed only") << "installed"
                                        << "installed";
        QTest::newRow("neither") << ""
                                 << ":/gfx/banner.jpg";
    }
    void picturesComeFromTheWorkingFolderFirst()
    {
        QFETCH(QString, present);
        QFETCH(QString, from);
        QTemporaryDir working, installed;
        QImage picture(4, 4, QImage::Format_RGB32);
        picture.fill(Qt::red);
        for (const QTemporaryDir *folder : {&working, &installed}) {
            if (present.contains(folder == &working ? "working" : "installed")) {
                QDir(folder->path()).mkdir("gfx");
                picture.save(folder->filePath("gfx/banner.jpg"));
            }
        }
        const QString home = QDir::currentPath();
        QDir::setCurrent(working.path());
        Pictures pictures({installed.path()});
        const QString source = pictures.sourceOf("gfx\\banner.jpg");
        const QPixmap loaded = pictures.load("gfx\\banner.jpg");
        QDir::setCurrent(home);
        const QString expected = from == "working" ? working.path()
                : from == "installed"              ? installed.path()
                                                   : from;
        QVERIFY2(source.startsWith(expected), qPrintable(source));
        QCOMPARE(loaded.size() == QSize(4, 4), !present.isEmpty());
    }

private:
    std::unique_ptr<TestProgram> m_program;
    QWidget *m_menu = nullptr;
};

QTEST_MAIN(TestNavigation)
#include "tst_navigation.moc"
