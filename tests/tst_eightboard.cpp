#include "boardwindow.h"
#include "testsupport.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

using namespace Ui;

namespace {

// The file's order: eight entry slots, the winners' side, the losers' side.
const QStringList Listed
        = {"txtWrestler1", "txtWrestler2", "txtWrestler3", "txtWrestler4", "txtWrestler5",
           "txtWrestler6", "txtWrestler7", "txtWrestler8", "lblwinner1",   "lblWinner2",
           "lblwinner3",   "lblWinner4",   "lblwinner5",   "lblwinner6",   "lblWinner7",
           "lblLoser1",    "lblLoser2",    "lblloser3",    "lblLoser4",    "lblLoser5",
           "lblLoser6",    "lblLoser7",    "lblLoser8",    "lblLoser9",    "lblloser10",
           "lblLoser11",   "lblLoser12",   "lblLoser13"};
const QStringList GrandFinal = {"Label9", "Label10", "Label1"};
const QStringList Slots = Listed + GrandFinal;

struct MatchSpec
{
    const char *tag;
    const char *upper, *upperButton, *lower, *lowerButton, *pick;
    QStringList winners;
    QString loser;
};

// clang-format off
const MatchSpec Matches[] = {
    {"W1", "txtWrestler1", "cmdAdvance", "txtWrestler2", "Command1",  "Command12", {"lblwinner1"}, "lblLoser1"},
    {"W2", "txtWrestler3", "Command2",   "txtWrestler4", "Command3",  "Command29", {"lblWinner2"}, "lblLoser2"},
    {"W3", "txtWrestler5", "Command4",   "txtWrestler6", "Command5",  "Command30", {"lblwinner3"}, "lblloser3"},
    {"W4", "txtWrestler7", "Command6",   "txtWrestler8", "Command7",  "Command31", {"lblWinner4"}, "lblLoser4"},
    {"W5", "lblwinner1",   "Command21",  "lblWinner2",   "Command22", "Command35", {"lblwinner5"}, "lblLoser6"},
    {"W6", "lblwinner3",   "Command23",  "lblWinner4",   "Command24", "Command36", {"lblwinner6"}, "lblLoser8"},
    {"W7", "lblwinner5",   "Command25",  "lblwinner6",   "Command26", "Command41", {"lblWinner7", "Label9"}, "lblLoser12"},
    {"L1", "lblLoser1",    "Command8",   "lblLoser2",    "Command9",  "Command32", {"lblLoser5"}, {}},
    {"L2", "lblloser3",    "Command10",  "lblLoser4",    "Command11", "Command33", {"lblLoser7"}, {}},
    {"L3", "lblLoser5",    "Command13",  "lblLoser6",    "Command14", "Command44", {"lblLoser9"}, {}},
    {"L4", "lblLoser7",    "Command15",  "lblLoser8",    "Command16", "Command43", {"lblloser10"}, {}},
    {"L5", "lblLoser9",    "Command20",  "lblloser10",   "Command19", "Command34", {"lblLoser11"}, {}},
    {"L6", "lblLoser11",   "Command18",  "lblLoser12",   "Command17", "Command45", {"lblLoser13", "Label10"}, {}},
    {"GF", "Label9",       "Command27",  "Label10",      "Command28", "Command42", {"Label1"}, {}},
};
// clang-format on

QString mark(const QString &name)
{
    return QLatin1Char('<') + name + QLatin1Char('>');
}

void setSlot(QWidget *board, const QString &name, const QString &text)
{
    if (auto *edit = board->findChild<QLineEdit *>(name))
        edit->setText(text);
    else
        board->findChild<QLabel *>(name)->setText(text);
}

// Gives every slot a text of its own, so that a copy shows where it came from.
void fillDistinct(QWidget *board)
{
    for (const QString &name : Slots)
        setSlot(board, name, mark(name));
}

// "A<-B" pairs: A holds what B held and every other slot is as it was.
void expectCopies(QWidget *board, const QStringList &copies)
{
    QHash<QString, QString> expected;
    for (const QString &name : Slots)
        expected.insert(name, mark(name));
    for (const QString &copy : copies) {
        const QStringList ends = copy.split(QStringLiteral("<-"));
        expected[ends[0]] = mark(ends[1]);
    }
    for (const QString &name : Slots)
        QCOMPARE(text(board, name), expected.value(name));
}

QStringList winning(const MatchSpec &match, const QString &winner, const QString &other)
{
    QStringList copies;
    for (const QString &slot : match.winners)
        copies << slot + QStringLiteral("<-") + winner;
    if (!match.loser.isEmpty())
        copies << match.loser + QStringLiteral("<-") + other;
    return copies;
}

qint16 drawHolder(QWidget *board)
{
    return qobject_cast<BoardWindow *>(board)->drawHolder();
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class TestEightBoard : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_program = std::make_unique<TestProgram>();
        m_board = m_program->open(WindowId::Eight);
        QVERIFY(m_dir.isValid());
    }
    void cleanup() { m_program.reset(); }

    void opensEmptyWithItsCaption()
    {
        QCOMPARE(m_board->windowTitle(), QStringLiteral("8 Man Tournaments"));
        QCOMPARE(m_board->size(), QSize(765, 438)); // 11475 x 6570 twips
        for (const QString &name : Slots)
            QCOMPARE(text(m_board, name), QString());
        QCOMPARE(text(m_board, "Label11"), QStringLiteral("VS"));
        QCOMPARE(m_board->findChildren<QAbstractButton *>().size(), 46);
    }

    void layout_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("twips");
        QTest::addColumn<qreal>("points");
        QTest::addColumn<bool>("bold");
        auto row = [](const char *name, int left, int top, int width, int height, qreal points,
                      bool bold) {
            QTest::newRow(name) << name << QRect(left, top, width, height) << points << bold;
        };
        row("txtWrestler8", 0, 2640, 1215, 285, 9.75, true);
        row("lblLoser4", 0, 5040, 1215, 255, 9.75, true);
        row("Label10", 3720, 3360, 1215, 255, 9.75, true);
        row("lblLoser13", 8760, 4560, 1215, 255, 9.75, true);
        row("cmdAdvance", 1200, 360, 255, 255, 8.25, false);
        row("Command11", 1200, 5040, 255, 255, 9.75, false);
        row("Command19", 5760, 4920, 255, 255, 9.75, false);
        row("Command41", 4680, 1560, 735, 255, 8.25, false);
        row("Command43", 3840, 4920, 735, 255, 9, false);
        row("Command45", 7920, 4560, 735, 255, 9.75, false);
        row("Command42", 2640, 3600, 735, 255, 8.25, false);
        row("Command27", 1440, 3600, 735, 255, 9.75, false);
        row("Command28", 3960, 3600, 735, 255, 9.75, false);
        row("Command40", 8280, 5520, 1215, 495, 8.25, false);
    }
    void layout()
    {
        QFETCH(QString, name);
        QFETCH(QRect, twips);
        QFETCH(qreal, points);
        QFETCH(bool, bold);
        QWidget *widget = find(m_board, name);
        QCOMPARE(widget->geometry(),
                 QRect(twips.x() / 15, twips.y() / 15, twips.width() / 15, twips.height() / 15));
        QCOMPARE(widget->font().pointSizeF(), points);
        QCOMPARE(widget->font().bold(), bold);
    }

    void advanceButtons_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("copies");
        for (const MatchSpec &m : Matches) {
            QTest::addRow("%s upper", m.tag) << m.upperButton << winning(m, m.upper, m.lower);
            QTest::addRow("%s lower", m.tag) << m.lowerButton << winning(m, m.lower, m.upper);
        }
    }
    void advanceButtons()
    {
        QFETCH(QString, button);
        QFETCH(QStringList, copies);
        fillDistinct(m_board);
        click(m_board, button);
        expectCopies(m_board, copies);
    }

    void pickButtons_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<quint32>("value");
        QTest::addColumn<int>("draw");
        QTest::addColumn<QStringList>("copies");
        for (const MatchSpec &m : Matches) {
            QTest::addRow("%s v=0.1", m.tag) << m.pick << 0x19999Au << 0 << QStringList();
            QTest::addRow("%s v=0.5", m.tag)
                    << m.pick << 0x800000u << 1 << winning(m, m.upper, m.lower);
            QTest::addRow("%s v=0.9", m.tag)
                    << m.pick << 0xE66666u << 2 << winning(m, m.lower, m.upper);
        }
        // Halves round to the even neighbour: nothing at a quarter, the lower one at three.
        QTest::newRow("W1 v=0.25") << "Command12" << 0x400000u << 0 << QStringList();
        QTest::newRow("W1 v=0.75")
                << "Command12" << 0xC00000u << 2
                << QStringList {"lblwinner1<-txtWrestler2", "lblLoser1<-txtWrestler1"};
    }
    void pickButtons()
    {
        QFETCH(QString, button);
        QFETCH(quint32, value);
        QFETCH(int, draw);
        QFETCH(QStringList, copies);
        FreshGenerator fresh;
        fillDistinct(m_board);
        FreshGenerator::nextValueWillBe(value);
        click(m_board, button);
        QCOMPARE(drawHolder(m_board), draw);
        expectCopies(m_board, copies);
    }

    void sevenPicksAfterStart()
    {
        FreshGenerator fresh;
        for (int i = 1; i <= 8; ++i)
            type(m_board, QStringLiteral("txtWrestler%1").arg(i), QStringLiteral("W%1").arg(i));
        const std::pair<const char *, int> presses[]
                = {{"Command12", 1}, {"Command29", 1}, {"Command30", 1}, {"Command31", 1},
                   {"Command35", 1}, {"Command36", 2}, {"Command41", 0}};
        for (const auto &[button, draw] : presses) {
            click(m_board, button);
            QCOMPARE(drawHolder(m_board), draw);
        }
        // The upper contender wins the first five presses, the lower the sixth (W7 beats W5),
        // and the winners' final stays undecided.
        const std::pair<const char *, const char *> after[]
                = {{"lblwinner1", "W1"}, {"lblLoser1", "W2"},  {"lblWinner2", "W3"},
                   {"lblLoser2", "W4"},  {"lblwinner3", "W5"}, {"lblloser3", "W6"},
                   {"lblWinner4", "W7"}, {"lblLoser4", "W8"},  {"lblwinner5", "W1"},
                   {"lblLoser6", "W3"},  {"lblwinner6", "W7"}, {"lblLoser8", "W5"},
                   {"lblWinner7", ""},   {"Label9", ""},       {"lblLoser12", ""}};
        for (const auto &[slot, name] : after)
            QCOMPARE(text(m_board, slot), QString::fromLatin1(name));
    }

    void winNamesTheChampionAndHidesNothing()
    {
        setSlot(m_board, "Label9", QStringLiteral("Bret"));
        setSlot(m_board, "Label10", QStringLiteral("The Undertaker"));
        QWidget *champion = find(m_board, "Label1");
        const int emptyWidth = champion->width();
        click(m_board, "Command28");
        QCOMPARE(text(m_board, "Label1"), QStringLiteral("The Undertaker"));
        QVERIFY(champion->width() > emptyWidth);
        QCOMPARE(champion->font().pointSizeF(), 24.0);
        click(m_board, "Command27");
        QCOMPARE(text(m_board, "Label1"), QStringLiteral("Bret"));
        for (const char *still : {"Label9", "Label10", "Label11", "Command27", "Command28"})
            QVERIFY2(shown(m_board, still), still);
    }

    void resetEmptiesTheListAndKeepsTheGrandFinal()
    {
        FreshGenerator fresh;
        fillDistinct(m_board);
        click(m_board, "Command36"); // draw 1
        click(m_board, "Command39");
        for (const QString &name : Listed)
            QCOMPARE(text(m_board, name), QString());
        for (const QString &name : GrandFinal)
            QCOMPARE(text(m_board, name), mark(name));
        QCOMPARE(drawHolder(m_board), 1);
    }

    void backShowsTheMenuAndReopensEmpty()
    {
        fillDistinct(m_board);
        click(m_board, "Command40");
        TestProgram::settle();
        QVERIFY(m_program->windows().instance(WindowId::Main)->isVisible());
        QVERIFY(!m_program->windows().isLoaded(WindowId::Eight));
        QWidget *again = m_program->open(WindowId::Eight);
        for (const QString &name : Slots)
            QCOMPARE(text(again, name), QString());
    }

    void tabRunsDownTheEntrySlotsFirst()
    {
        const QStringList chain = tabChain(m_board, "txtWrestler1", 10);
        const QStringList expected = Listed.mid(0, 8) << "cmdAdvance"
                                                      << "Command1";
        QCOMPARE(chain, expected);
    }

    void savesAFreshBoardAsEmptyLines()
    {
        const QString path = m_dir.filePath(QStringLiteral("fresh.txt"));
        m_program->dialogs.answers.enqueue(path);
        click(m_board, "Command37");
        QCOMPARE(readAll(path), QByteArray("\r\n").repeated(28));
        QVERIFY(m_program->dialogs.messages.isEmpty());
    }

    void savesTheListInFileOrderAndLoadsItBack()
    {
        fillDistinct(m_board);
        const QString path = m_dir.filePath(QStringLiteral("bracket.txt"));
        m_program->dialogs.answers.enqueue(path);
        click(m_board, "Command37");
        QByteArray expected;
        for (const QString &name : Listed)
            expected += mark(name).toLatin1() + "\r\n";
        QCOMPARE(readAll(path), expected);

        click(m_board, "Command39");
        for (const QString &name : GrandFinal)
            setSlot(m_board, name, QStringLiteral("kept"));
        m_program->dialogs.answers.enqueue(path);
        click(m_board, "Command38");
        for (const QString &name : Listed)
            QCOMPARE(text(m_board, name), mark(name));
        for (const QString &name : GrandFinal)
            QCOMPARE(text(m_board, name), QStringLiteral("kept"));
        QVERIFY(m_program->dialogs.messages.isEmpty());
    }

    void filesOfTheOriginalProgramReadDigitsByLine()
    {
        // Every line "012": text lines keep the zero, typed lines read a number.
        const QString path = m_dir.filePath(QStringLiteral("digits.txt"));
        writeFile(path, QByteArray("012\r\n").repeated(28));
        m_program->dialogs.answers.enqueue(path);
        click(m_board, "Command38");
        for (qsizetype line = 1; line <= 28; ++line) {
            const bool textLine = line <= 3 || line == 28;
            QCOMPARE(text(m_board, Listed.at(line - 1)),
                     textLine ? QStringLiteral("012") : QStringLiteral("12"));
        }
        for (const QString &name : GrandFinal)
            QCOMPARE(text(m_board, name), QString());
    }

private:
    std::unique_ptr<TestProgram> m_program;
    QWidget *m_board = nullptr;
    QTemporaryDir m_dir;
};

QTEST_MAIN(TestEightBoard)
#include "tst_eightboard.moc"
