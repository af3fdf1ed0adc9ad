#include "testsupport.h"

#include <QAbstractButton>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

using namespace Ui;

namespace {

// One match: its result slot, each contender with its button.
struct MatchRow
{
    const char *result;
    const char *upper, *upperButton, *lower, *lowerButton;
};

// clang-format off
const MatchRow Matches[] = {
    {"winner1", "txtWrestler1", "win1", "txtWrestler2", "win2"},
    {"winner2", "txtWrestler3", "win3", "txtWrestler4", "win4"},
    {"winner3", "txtWrestler5", "Command11", "txtWrestler6", "Command12"},
    {"winner4", "txtWrestler7", "win7", "txtWrestler8", "win8"},
    {"winner5", "winner1", "win9", "winner2", "win10"},
    {"winner6", "winner3", "win11", "winner4", "win12"},
    {"Winner7", "winner5", "win13", "winner6", "win14"},
    {"winner8", "txtWrestler9", "win15", "txtWrestler10", "win16"},
    {"winner9", "txtWrestler11", "win17", "txtWrestler12", "win18"},
    {"winner10", "txtWrestler13", "win19", "txtWrestler14", "win20"},
    {"winner11", "txtWrestler15", "win21", "txtWrestler16", "win22"},
    {"winner12", "winner8", "win23", "winner9", "win24"},
    {"winner13", "winner10", "win25", "winner11", "win26"},
    {"winner14", "winner12", "win27", "winner13", "win28"},
    {"winner15", "wrestler17", "Command34", "wrestler18", "Command27"},
    {"winner16", "wrestler19", "Command28", "wrestler20", "Command29"},
    {"winner17", "wrestler21", "Command30", "wrestler22", "Command31"},
    {"winner18", "wrestler23", "Command32", "wrestler24", "Command33"},
    {"winner19", "winner15", "Command35", "winner16", "Command36"},
    {"winner20", "winner17", "Command37", "winner18", "Command38"},
    {"winner21", "winner19", "Command39", "winner20", "Command40"},
    {"winner22", "wrestler25", "Command26", "wrestler26", "Command19"},
    {"winner23", "wrestler27", "Command20", "wrestler28", "Command21"},
    {"winner24", "wrestler29", "Command22", "wrestler30", "Command23"},
    {"winner25", "wrestler31", "Command24", "wrestler32", "Command25"},
    {"winner26", "winner22", "Command15", "winner23", "Command16"},
    {"winner27", "winner24", "Command17", "winner25", "Command18"},
    {"winner28", "winner26", "Command13", "winner27", "Command14"},
    {"Label6", "Winner7", "Command6", "winner14", "Command5"},
    {"Label3", "winner21", "Command8", "winner28", "Command7"},
};
const int UpperLeftSeeds[8] = {1, 8, 4, 5, 3, 6, 2, 7};
// clang-format on

QString entryName(int n)
{
    return QString::fromLatin1(n <= 16 ? "txtWrestler%1" : "wrestler%1").arg(n);
}

QString entryText(int n)
{
    const int seed = n <= 8 ? UpperLeftSeeds[n - 1] : n;
    return seed == 31 ? QStringLiteral("#31Wrestler") : QStringLiteral("#%1 Wrestler").arg(seed);
}

// The 62 slots in the order of Reset and of the file.
QStringList slotNames()
{
    QStringList names;
    for (int n = 1; n <= 32; ++n)
        names << entryName(n);
    for (int n = 1; n <= 28; ++n)
        names << (n == 7 ? QStringLiteral("Winner7") : QStringLiteral("winner%1").arg(n));
    return names << QStringLiteral("Label3") << QStringLiteral("Label6");
}

QStringList freshTexts()
{
    QStringList texts;
    for (int n = 1; n <= 32; ++n)
        texts << entryText(n);
    for (int n = 1; n <= 28; ++n)
        texts << (n % 7 == 1 ? QStringLiteral("Winner:") : QStringLiteral("Winner"));
    return texts << QString() << QString();
}

QRect twips(int left, int top, int width, int height)
{
    return QRect(left / 15, top / 15, width / 15, height / 15);
}

QStringList slotTexts(QWidget *board)
{
    QStringList texts;
    for (const QString &name : slotNames())
        texts << text(board, name);
    return texts;
}

// "name=text" types into an entry slot; anything else is a button to click.
void play(QWidget *board, const QStringList &steps)
{
    for (const QString &step : steps) {
        const qsizetype equals = step.indexOf(u'=');
        if (equals < 0)
            click(board, step);
        else
            type(board, step.left(equals), step.mid(equals + 1));
    }
}

// Bret wins the upper-left quarter and the upper semi-final, Shawn the lower-left and the lower.
const QStringList ToTheFinal
        = {"txtWrestler1=Bret", "win1",      "win9",      "win13",     "Command6",
           "wrestler17=Shawn",  "Command34", "Command35", "Command39", "Command8"};

} // namespace

class TestThirtyTwoBoard : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_program = std::make_unique<TestProgram>();
        m_board = m_program->open(WindowId::ThirtyTwo);
    }
    void cleanup() { m_program.reset(); }

    void opensAsLaidOut()
    {
        QCOMPARE(m_board->windowTitle(), QStringLiteral("32-Man Single Elmination Tournament"));
        QCOMPARE(m_board->size(), QSize(786, 498));
        QCOMPARE(text(m_board, "Label2"), QStringLiteral("VS."));
        QCOMPARE(find(m_board, "Label2")->font().pointSizeF(), 24.0);
        QVERIFY(shown(m_board, "Label3") && shown(m_board, "Label6"));
    }

    void spotChecksOfTheLayout()
    {
        // Advance buttons stand at the Top of the slot they read: 1200 twips right of it on the
        // left half, 240 left of it on the right half.
        QCOMPARE(find(m_board, "win2")->geometry(), twips(1200, 240, 255, 255));
        QCOMPARE(find(m_board, "Command13")->geometry(), twips(6960, 3600, 255, 255));
        QCOMPARE(find(m_board, "Command25")->geometry(), twips(9840, 5520, 255, 255));
        QCOMPARE(find(m_board, "winner28")->geometry(), twips(6000, 4440, 1215, 255));
        QCOMPARE(find(m_board, "wrestler31")->geometry(), twips(10080, 5280, 1215, 285));
        QCOMPARE(find(m_board, "Command2")->geometry(), twips(7080, 3120, 855, 255));
        QCOMPARE(find(m_board, "Command3")->font().pointSizeF(), 12.0);
    }

    void eachButtonCopiesOneContender_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("result");
        QTest::addColumn<QString>("contender");
        for (const MatchRow &m : Matches) {
            QTest::newRow(m.upperButton) << m.upperButton << m.result << m.upper;
            QTest::newRow(m.lowerButton) << m.lowerButton << m.result << m.lower;
        }
    }
    void eachButtonCopiesOneContender()
    {
        QFETCH(QString, button);
        QFETCH(QString, result);
        QFETCH(QString, contender);
        const QStringList names = slotNames() << QStringLiteral("Label2");
        Wiring::mark(m_board, names);
        click(m_board, button);
        QCOMPARE(Wiring::differences(m_board, names, {result + "<-" + contender}), QString());
        QVERIFY(shown(m_board, "Label3") && shown(m_board, "Label6"));
    }

    void finalAndReset_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("champion");
        QTest::addColumn<QString>("left");
        QTest::addColumn<QString>("right");
        QTest::addColumn<bool>("finalistsShown");
        // Steps are '|'-separated; "final" plays Bret and Shawn through to the final.
        // clang-format off
        const std::tuple<const char *, const char *, const char *, const char *, const char *, bool> rows[] = {
            {"final before the semi-finals", "Command1", "Winner: ", "", "", false},
            {"left finalist crowned", "final|Command1", "Winner: Bret", "Bret", "Shawn", false},
            {"the later final click counts", "final|Command1|Command2", "Winner: Shawn", "Bret", "Shawn", false},
            {"no doubled prefix", "final|Command1|Command1", "Winner: Bret", "Bret", "Shawn", false},
            {"a finalist named like a champion line", "txtWrestler1=Winner: Bret|win1|win9|win13|Command6|Command1",
             "Winner: Winner: Bret", "Winner: Bret", "", false},
            {"semi-final after the final changes a hidden finalist", "final|Command1|Command5",
             "Winner: Bret", "Winner", "Shawn", false},
            {"reset after the final", "final|Command1|Command4", "", "", "", true},
            {"played again after reset", "final|Command1|Command4|final|Command2", "Winner: Shawn", "Bret", "Shawn", false},
        };
        // clang-format on
        for (const auto &[tag, steps, champion, left, right, shown] : rows) {
            QStringList expanded;
            for (const QString &step : QString::fromUtf8(steps).split(u'|'))
                expanded << (step == QLatin1String("final") ? ToTheFinal : QStringList {step});
            QTest::newRow(tag) << expanded << champion << left << right << shown;
        }
    }
    void finalAndReset()
    {
        QFETCH(QStringList, steps);
        QFETCH(QString, champion);
        QFETCH(QString, left);
        QFETCH(QString, right);
        QFETCH(bool, finalistsShown);
        play(m_board, steps);
        QCOMPARE(text(m_board, "Label2"), champion);
        QCOMPARE(text(m_board, "Label6"), left);
        QCOMPARE(text(m_board, "Label3"), right);
        QCOMPARE(shown(m_board, "Label6"), finalistsShown);
        QCOMPARE(shown(m_board, "Label3"), finalistsShown);
        QVERIFY(shown(m_board, "Label2") && shown(m_board, "Command1")
                && shown(m_board, "Command2"));
    }

    void savesTheBoard_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("fresh") << QStringList() << Files::lines(freshTexts());
        QTest::newRow("after reset")
                << QStringList {"win1", "Command1", "Command4"} << QByteArray("\r\n").repeated(62);
        // The hidden finalists are saved, the champion line is not.
        QStringList afterFinal = freshTexts();
        for (int line : {1, 33, 37, 39, 62})
            afterFinal[line - 1] = QStringLiteral("Bret");
        for (int line : {17, 47, 51, 53, 61})
            afterFinal[line - 1] = QStringLiteral("Shawn");
        QTest::newRow("after the final")
                << ToTheFinal + QStringList {"Command1"} << Files::lines(afterFinal);
    }
    void savesTheBoard()
    {
        QFETCH(QStringList, steps);
        QFETCH(QByteArray, file);
        play(m_board, steps);
        const QString path = m_dir.filePath(QStringLiteral("board.txt"));
        m_program->dialogs.answers.enqueue(path);
        click(m_board, "Command9");
        QFile saved(path);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), file);
    }

    void roundTripKeepsEveryNameAndTheFinal()
    {
        const QStringList names = slotNames();
        const QStringList awkward {"Hart, Bret", "\"Hitman\"",           "  Sting", "007", "#TRUE#",
                                   "1E3",        "Rey Misterio Jr. – ñ", ""};
        QStringList texts;
        for (int i = 0; i < names.size(); ++i)
            texts << awkward.at(i % awkward.size()) + (i % 3 ? QString::number(i) : QString());
        for (int i = 0; i < names.size(); ++i)
            setSlot(m_board, names.at(i), texts.at(i));
        click(m_board, "Command1");
        const QString path = m_dir.filePath(QStringLiteral("round.txt"));
        m_program->dialogs.answers << path << path;
        click(m_board, "Command9");
        play(m_board, {"Command4", "Command2"});
        click(m_board, "Command10");
        QCOMPARE(slotTexts(m_board), texts);
        QCOMPARE(text(m_board, "Label2"), QStringLiteral("Winner: "));
        QVERIFY(!shown(m_board, "Label3") && !shown(m_board, "Label6"));
        QVERIFY(m_program->dialogs.messages.isEmpty());
    }

private:
    std::unique_ptr<TestProgram> m_program;
    QWidget *m_board = nullptr;
    QTemporaryDir m_dir;
};

QTEST_MAIN(TestThirtyTwoBoard)
#include "tst_thirtytwoboard.moc"
