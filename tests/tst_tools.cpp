// SPDX-License-Identifier: GPL-3.0-or-later
// The menu, moving between windows, where pictures come from, the random draws and the tools.
#include "testsupport.h"

#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>

#include <QListWidget>
#include <QTimer>

using namespace Ui;

class TestTools : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { m_program = std::make_unique<TestProgram>(); }
    void cleanup() { m_program.reset(); }

    void winnerAtEveryDrawBoundary_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<quint32>("state");
        QTest::addColumn<QString>("winner");
        QTest::addColumn<int>("boxes");
        // The box that wins each draw 0..N of a match type, with N boxes on show.
        // clang-format off
        const std::pair<const char *, QString> rules[] = {
            { "Option1", "Text1 Text1 Text2" },
            { "Option2", "Text3 Text1 Text2 Text3" },
            { "Option3", "Text4 Text1 Text2 Text3 Text4" },
            { "Option4", "Text10 Text1 Text2 Text3 Text4 Text5 Text6 Text7 Text8 Text9 Text10" }};
        // clang-format on
        for (const auto &[option, byDraw] : rules) {
            const QStringList winners = byDraw.split(' ');
            const qint64 n = winners.size() - 1;
            for (qint64 k = 0; k < n; ++k) {
                // Between draws k and k + 1 the value crosses (k + 1/2) / n; exactly half way
                // goes to the even neighbour.
                const qint64 edge = (2 * k + 1) << 23;
                QTest::addRow("%s below %lld", option, k)
                        << option << quint32((edge - 1) / n) << winners[k] << int(n);
                QTest::addRow("%s above %lld", option, k)
                        << option << quint32(edge / n + 1) << winners[k + 1] << int(n);
                if (edge % n == 0)
                    QTest::addRow("%s at %lld", option, k)
                            << option << quint32(edge / n) << winners[k + k % 2] << int(n);
            }
        }
    }
    void winnerAtEveryDrawBoundary()
    {
        QFETCH(QString, option);
        QFETCH(quint32, state);
        QFETCH(QString, winner);
        QFETCH(int, boxes);
        FreshGenerator fresh;
        QWidget *window = m_program->open(WindowId::Random);
        click(window, "Option4");
        for (int i = 1; i <= 10; ++i)
            type(window, QString("Text%1").arg(i), QString("Text%1").arg(i));
        click(window, "Option1"); // the hidden boxes keep their names
        click(window, option);
        for (int i = 1; i <= 10; ++i)
            QCOMPARE(shown(window, QString("Text%1").arg(i)), i <= boxes);
        FreshGenerator::nextValueWillBe(state);
        click(window, "Command1");
        QCOMPARE(text(window, "Label3"), winner);
    }

    void hintTakesTurnsOnTheTwoTimers()
    {
        QWidget *window = m_program->open(WindowId::Random);
        auto *first = window->findChild<QTimer *>("Timer1");
        auto *second = window->findChild<QTimer *>("Timer2");
        for (int turn = 0; turn < 2; ++turn) {
            QVERIFY(first->isActive() && !second->isActive());
            tick(first);
            QCOMPARE(text(window, "Label2"), "Type up to 10 Men to run a Random Battle Royal");
            QVERIFY(!first->isActive() && second->isActive());
            tick(second);
            QCOMPARE(text(window, "Label2"), "Type up men or tag teams to randomize winners!");
        }
    }

    // Each number drawn shows its own gimmick; 0, 64 and 86 have none and show "Psycho Path".
    void gimmickOfEachDraw()
    {
        FreshGenerator fresh;
        QWidget *window = m_program->open(WindowId::Roster);
        QStringList shown;
        for (int draw = 0; draw <= 86; ++draw) {
            // A value just above draw / 86, which a draw of 86 rounds to draw.
            FreshGenerator::nextValueWillBe(quint32(qMin((draw << 24) / 86 + 1, 0xFFFFFF)));
            click(window, "cmdAddWrestler");
            shown << text(window, "lblCool");
        }
        QCOMPARE(QSet<QString>(shown.begin(), shown.end()).size(), 85);
        // clang-format off
        const std::pair<int, const char *> rows[] = {
            { 0, "Psycho Path" }, { 1, "Injured" }, { 11, "Tax - Man" }, { 37, "Scizophrenic" },
            { 62, "E.Morvanly" }, { 63, "Perfectionist" }, { 64, "Psycho Path" }, { 65, "Poet" },
            { 85, "Rapper" }, { 86, "Psycho Path" }};
        // clang-format on
        for (const auto &[draw, gimmick] : rows)
            QCOMPARE(shown[draw], gimmick);
        // The list takes the gimmick on show before the next is drawn: first the empty label.
        auto *list = window->findChild<QListWidget *>("lstRoster");
        QCOMPARE(list->item(0)->text() + '|' + list->item(2)->text(), "|Injured");
    }

    // The gimmick list keeps its newest row in sight and finds the row under the mouse however
    // long it grows.
    void listScrollsToAnyRow()
    {
        auto *list = m_program->open(WindowId::Roster)->findChild<QListWidget *>("lstRoster");
        for (int row = 0; row < 5000; ++row)
            list->addItem(QString::number(row));
        for (int row : {4999, 0, 2500}) {
            list->scrollToItem(list->item(row));
            const QRect place = list->visualItemRect(list->item(row));
            QVERIFY(list->viewport()->rect().contains(place));
            QCOMPARE(list->itemAt(place.center()), list->item(row));
        }
        list->setFocus();
        QTest::keyClick(list->viewport(), Qt::Key_End);
        QCOMPARE(list->currentRow(), 4999);
    }

    // The draws must match the published generator exactly: saved cards are replayed by
    // clicking the same buttons in the same order.
    void firstValuesAfterStart()
    {
        FreshGenerator fresh;
        const double expected[]
                = {0.7055475,  0.533424,  0.5795186, 0.2895625, 0.301948,   0.7747401,
                   0.01401764, 0.7607236, 0.81449,   0.7090379, 0.04535276, 0.4140327};
        for (double value : expected)
            QCOMPARE(qRound64(processRandom().nextValue() * 1e7), qRound64(value * 1e7));
    }

    // F1 opens the help from any window, a link in it moves to its section, and About names the
    // version and the licence.
    void helpAndAbout_data()
    {
        QTest::addColumn<WindowId>("id");
        QTest::newRow("main menu") << WindowId::Main;
        QTest::newRow("a board") << WindowId::Eight;
    }
    void helpAndAbout()
    {
        QFETCH(WindowId, id);
        press(m_program->openActive(id), QKeySequence("F1"));
        QWidget *help = m_program->shell.help().window();
        QVERIFY(help && help->isVisible());
        QCOMPARE(help->windowTitle(), "Kayfabe Kit Help");
        auto *text = help->findChild<QTextBrowser *>("helpText");
        text->setSource(QUrl("#drawing-the-field")); // as its link in the contents does
        QTextBlock heading = text->document()->begin();
        while (heading.blockFormat().headingLevel() != 2 || heading.text() != "Drawing the field")
            heading = heading.next();
        QVERIFY(text->verticalScrollBar()->value() > 0);
        QVERIFY(text->viewport()->rect().contains(text->cursorRect(QTextCursor(heading)).center()));
        if (id == WindowId::Main)
            action(m_program->windows().instance(id), "About Kayfabe Kit")->trigger();
        else
            click(help, "helpAbout");
        const QString about = m_program->dialogs.messages.value(0).text;
        QVERIFY2(about.contains("Kayfabe Kit 1.1.0") && about.contains("GPL-3.0-or-later"),
                 qPrintable(about));
    }

    void menuShowsItsButtonsInTabOrder()
    {
        QWidget *menu = m_program->open(WindowId::Main);
        QCOMPARE(menu->windowTitle(), "Main Menu");
        for (const char *hidden : {"cmdFeudPlanner", "cmdWinLoss", "cmdEnterRoster"})
            QVERIFY2(!shown(menu, hidden), hidden);
        const QStringList tabs = QString("cmdExit cmdFourman cmdEight cmdsixteen cmdthritytwo "
                                         "cmdGimmick cmdRoundRobin cmdRandom cmdExit")
                                         .split(' ');
        QCOMPARE(tabChain(menu, "cmdExit", tabs.size()), tabs);
    }

    // Exit ends the program whatever else is loaded. (The soak leaves windows every other way,
    // and checks that only what is on screen stays loaded.)
    void exitEndsTheProgram()
    {
        QWidget *menu = m_program->open(WindowId::Main);
        m_program->open(WindowId::Four);
        click(menu, "cmdExit");
        TestProgram::settle();
        QCOMPARE(m_program->endings, 1);
        QCOMPARE(m_program->windows().loadedCount(), 0);
    }

    // Pictures come from the working folder's gfx folder, then the installation's, then the
    // copies built into the program.
    void picturesComeFromTheWorkingFolderFirst()
    {
        QTemporaryDir working, installed;
        const QString home = QDir::currentPath();
        QDir::setCurrent(working.path());
        const auto source
                = [&] { return Pictures({installed.path()}).sourceOf("gfx\\banner.jpg"); };
        QCOMPARE(source(), ":/gfx/banner.jpg");
        QImage picture(4, 4, QImage::Format_RGB32);
        picture.fill(Qt::red);
        for (const QTemporaryDir *folder : {&installed, &working}) {
            QDir(folder->path()).mkdir("gfx");
            picture.save(folder->filePath("gfx/banner.jpg"));
            QCOMPARE(source(), folder->filePath("gfx/banner.jpg"));
        }
        QCOMPARE(Pictures(QStringList()).load("gfx\\banner.jpg").size(), QSize(4, 4));
        QDir::setCurrent(home);
    }

private:
    std::unique_ptr<TestProgram> m_program;
};

QTEST_MAIN(TestTools)
#include "tst_tools.moc"
