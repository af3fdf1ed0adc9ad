#include "testsupport.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QDir>
#include <QLabel>
#include <QPointer>
#include <QTemporaryDir>
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

    void menuShowsItsButtons()
    {
        QCOMPARE(m_menu->windowTitle(), QStringLiteral("Main Menu"));
        QCOMPARE(m_menu->size(), QSize(772, 448));
        const QStringList onShow {"cmdRandom",  "cmdGimmick",   "cmdFourman", "cmdEight",
                                  "cmdsixteen", "cmdthritytwo", "cmdExit"};
        for (const QString &name : onShow)
            QVERIFY2(shown(m_menu, name), qPrintable(name));
        for (const char *hidden : {"cmdFeudPlanner", "cmdWinLoss", "cmdEnterRoster"})
            QVERIFY2(!shown(m_menu, hidden), hidden);
        QCOMPARE(find(m_menu, "cmdExit")->geometry(), QRect(568, 392, 153, 33));
        const QPixmap banner = qobject_cast<QLabel *>(find(m_menu, "imgBanner"))->pixmap();
        QCOMPARE(find(m_menu, "imgBanner")->geometry(), QRect(QPoint(224, 64), banner.size()));
    }

    void tabOrderStartsAtExitAndSkipsHiddenButtons()
    {
        const QStringList expected {"cmdExit",      "cmdFourman", "cmdEight",  "cmdsixteen",
                                    "cmdthritytwo", "cmdGimmick", "cmdRandom", "cmdExit"};
        QCOMPARE(tabChain(m_menu, "cmdExit", expected.size()), expected);
    }

    void exitEndsTheProgramAtOnce()
    {
        m_program->open(WindowId::Four);
        click(m_menu, "cmdExit");
        QCOMPARE(m_program->endings, 1);
        QCOMPARE(m_program->windows().loadedCount(), 0);
    }

    void exitAnswersToAltX()
    {
        auto *exit = qobject_cast<QAbstractButton *>(find(m_menu, "cmdExit"));
        QCOMPARE(exit->shortcut(), QKeySequence(Qt::ALT | Qt::Key_X));
    }

    void aBoardReplacesTheMenuAndBackBuildsANewOne()
    {
        QPointer<QWidget> firstMenu = m_menu;
        click(m_menu, "cmdFourman");
        TestProgram::settle();
        QVERIFY(firstMenu.isNull());
        QCOMPARE(m_program->endings, 0);
        QWidget *board = m_program->windows().instance(WindowId::Four);
        QVERIFY(board && board->isVisible());
        click(board, "Command17");
        TestProgram::settle();
        QVERIFY(m_program->windows().instance(WindowId::Main)->isVisible());
        QVERIFY(!m_program->windows().isLoaded(WindowId::Four));
        QCOMPARE(m_program->endings, 0);
    }

    void closingTheOnlyWindowThroughItsFrameEndsTheProgram()
    {
        click(m_menu, "cmdFourman");
        TestProgram::settle();
        m_program->windows().instance(WindowId::Four)->close();
        TestProgram::settle();
        QCOMPARE(m_program->endings, 1);
    }

    void closingTheMenuEndsTheProgram()
    {
        m_menu->close();
        TestProgram::settle();
        QCOMPARE(m_program->endings, 1);
    }

    void unloadingTheMenuBeforeShowingAToolDoesNotEndTheProgram()
    {
        WindowRegistry &windows = m_program->windows();
        windows.run(std::vector<NavStep> {{NavOp::Unload, WindowId::Main},
                                          {NavOp::Show, WindowId::Four}});
        TestProgram::settle();
        QCOMPARE(m_program->endings, 0);
        QVERIFY(windows.isLoaded(WindowId::Four));
    }

    void drawsContinueAcrossWindows()
    {
        FreshGenerator fresh;
        click(m_menu, "cmdFourman");
        QWidget *board = m_program->windows().instance(WindowId::Four);
        click(board, "Command18"); // flip 1
        click(board, "Command17");
        TestProgram::settle();
        board = m_program->open(WindowId::Four);
        click(board, "Command18"); // flip 1
        click(board, "Command19"); // flip 1
        click(board, "Command20"); // flip 0: loser2 wins the losers' semi-final
        QCOMPARE(processRandom().state(), stateAfter(4));
    }

    void missingPicturesFallBackToTheBuiltInOnes()
    {
        QTemporaryDir elsewhere;
        const QString home = QDir::currentPath();
        QDir::setCurrent(elsewhere.path());
        TestProgram program;
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression(QStringLiteral("gfx/background.jpg .*built-in")));
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression(QStringLiteral("gfx/banner.jpg .*built-in")));
        QWidget *menu = program.open(WindowId::Main);
        QDir::setCurrent(home);
        QVERIFY(menu);
        QCOMPARE(program.shell.pictures().sourceOf(QStringLiteral("gfx\\banner.jpg")),
                 QStringLiteral(":/gfx/banner.jpg"));
        QVERIFY(!qobject_cast<QLabel *>(find(menu, "imgBanner"))->pixmap().isNull());
    }

    void picturesInTheWorkingDirectoryWin()
    {
        QTemporaryDir elsewhere;
        QDir(elsewhere.path()).mkdir(QStringLiteral("gfx"));
        QImage tiny(10, 20, QImage::Format_RGB32);
        tiny.fill(Qt::red);
        tiny.save(elsewhere.filePath(QStringLiteral("gfx/banner.jpg")));
        const QString home = QDir::currentPath();
        QDir::setCurrent(elsewhere.path());
        Pictures pictures;
        QCOMPARE(pictures.load(QStringLiteral("gfx\\banner.jpg")).size(), QSize(10, 20));
        QDir::setCurrent(home);
    }

private:
    static quint32 stateAfter(int draws)
    {
        RandomGenerator generator;
        for (int i = 0; i < draws; ++i)
            generator.nextValue();
        return generator.state();
    }

    std::unique_ptr<TestProgram> m_program;
    QWidget *m_menu = nullptr;
};

QTEST_MAIN(TestNavigation)
#include "tst_navigation.moc"
