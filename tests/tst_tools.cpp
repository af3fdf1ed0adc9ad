#include "testsupport.h"

#include <QAbstractButton>
#include <QListWidget>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace Ui;

namespace {

QString box(int i)
{
    return QStringLiteral("Text%1").arg(i);
}

// Fires the timer at once, without waiting for it.
void tick(QTimer *timer)
{
    QTimerEvent event(timer->timerId());
    QCoreApplication::sendEvent(timer, &event);
}

// The generator state whose scaled draw of 86 is n.
quint32 drawing86(int n)
{
    return quint32(qMin((qint64(n) << 24) / 86 + 1, qint64(0xFFFFFF)));
}

} // namespace

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
            type(window, box(i), box(i));
        click(window, "Option1"); // the hidden boxes keep their names
        click(window, option);
        for (int i = 1; i <= 10; ++i)
            QCOMPARE(shown(window, box(i)), i <= boxes);
        FreshGenerator::nextValueWillBe(state);
        click(window, "Command1");
        QCOMPARE(text(window, "Label3"), winner);
    }

    void hintTakesTurnsOnTheTwoTimers()
    {
        QWidget *window = m_program->open(WindowId::Random);
        auto *first = window->findChild<QTimer *>("Timer1");
        auto *second = window->findChild<QTimer *>("Timer2");
        QVERIFY(first->isActive() && !second->isActive());
        QCOMPARE(first->interval(), 9000);
        for (int turn = 0; turn < 2; ++turn) {
            tick(first);
            QCOMPARE(text(window, "Label2"), "Type up to 10 Men to run a Random Battle Royal");
            QVERIFY(!first->isActive() && second->isActive() && second->interval() == 10000);
            tick(second);
            QCOMPARE(text(window, "Label2"), "Type up men or tag teams to randomize winners!");
            QVERIFY(first->isActive() && !second->isActive() && first->interval() == 10000);
        }
    }

    // Each number drawn shows its own gimmick; 0, 64 and 86 have none and show "Psycho Path".
    void gimmickOfEachDraw_data()
    {
        QTest::addColumn<int>("draw");
        QTest::addColumn<QString>("gimmick");
        // clang-format off
        const std::pair<int, const char *> rows[] = {
            { 0, "Psycho Path" }, { 1, "Injured" }, { 11, "Tax - Man" }, { 37, "Scizophrenic" },
            { 62, "E.Morvanly" }, { 63, "Perfectionist" }, { 64, "Psycho Path" }, { 65, "Poet" },
            { 85, "Rapper" }, { 86, "Psycho Path" }};
        // clang-format on
        for (const auto &[draw, gimmick] : rows)
            QTest::addRow("%d", draw) << draw << QString(gimmick);
    }
    void gimmickOfEachDraw()
    {
        QFETCH(int, draw);
        FreshGenerator fresh;
        QWidget *window = m_program->open(WindowId::Roster);
        QSet<QString> seen;
        for (int other = 1; other <= 85; ++other) {
            FreshGenerator::nextValueWillBe(drawing86(other));
            click(window, "cmdAddWrestler");
            seen.insert(text(window, "lblCool"));
        }
        QCOMPARE(seen.size(), 85); // every number but 64 its own, and 64 none
        // The list takes the gimmick on show before the next is drawn: first the empty label.
        auto *list = window->findChild<QListWidget *>("lstRoster");
        QCOMPARE(list->item(0)->text() + '|' + list->item(1)->text(), "|Injured");
        FreshGenerator::nextValueWillBe(drawing86(draw));
        click(window, "cmdAddWrestler");
        QTEST(text(window, "lblCool"), "gimmick");
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

    void feudPlannerOpensFromTheHiddenButtonAndClosingItEndsTheProgram()
    {
        QSignalSpy ended(&m_program->windows(), &WindowRegistry::programEnded);
        QWidget *menu = m_program->open(WindowId::Main);
        qobject_cast<QAbstractButton *>(find(menu, "cmdFeudPlanner"))->click();
        TestProgram::settle();
        QWidget *planner = m_program->windows().instance(WindowId::FeudPlanner);
        QCOMPARE(planner->windowTitle(), "Varnok's Feud Planner");
        QVERIFY(planner->findChildren<QAbstractButton *>().isEmpty());
        planner->close();
        TestProgram::settle();
        QCOMPARE(ended.count(), 1);
    }

private:
    std::unique_ptr<TestProgram> m_program;
};

QTEST_MAIN(TestTools)
#include "tst_tools.moc"
