#include "testsupport.h"

#include <QAbstractButton>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

using namespace Ui;

namespace {

// One match: its result slot and where that slot stands, each contender with its button.
struct MatchRow
{
    const char *result;
    int left, top;
    const char *upper, *upperButton, *lower, *lowerButton;
};

// clang-format off
const MatchRow Matches[] = {
    {"winner1", 1440, 120, "txtWrestler1", "win1", "txtWrestler2", "win2"},
    {"winner2", 1440, 840, "txtWrestler3", "win3", "txtWrestler4", "win4"},
    {"winner3", 1440, 1800, "txtWrestler5", "Command11", "txtWrestler6", "Command12"},
    {"winner4", 1440, 2520, "txtWrestler7", "win7", "txtWrestler8", "win8"},
    {"winner5", 2880, 480, "winner1", "win9", "winner2", "win10"},
    {"winner6", 2880, 2160, "winner3", "win11", "winner4", "win12"},
    {"Winner7", 4200, 1320, "winner5", "win13", "winner6", "win14"},
    {"winner8", 8640, 120, "txtWrestler9", "win15", "txtWrestler10", "win16"},
    {"winner9", 8640, 840, "txtWrestler11", "win17", "txtWrestler12", "win18"},
    {"winner10", 8640, 1560, "txtWrestler13", "win19", "txtWrestler14", "win20"},
    {"winner11", 8640, 2280, "txtWrestler15", "win21", "txtWrestler16", "win22"},
    {"winner12", 7200, 480, "winner8", "win23", "winner9", "win24"},
    {"winner13", 7200, 1920, "winner10", "win25", "winner11", "win26"},
    {"winner14", 6000, 1320, "winner12", "win27", "winner13", "win28"},
    {"winner15", 1440, 3240, "wrestler17", "Command34", "wrestler18", "Command27"},
    {"winner16", 1440, 3960, "wrestler19", "Command28", "wrestler20", "Command29"},
    {"winner17", 1440, 4920, "wrestler21", "Command30", "wrestler22", "Command31"},
    {"winner18", 1440, 5640, "wrestler23", "Command32", "wrestler24", "Command33"},
    {"winner19", 2880, 3600, "winner15", "Command35", "winner16", "Command36"},
    {"winner20", 2880, 5280, "winner17", "Command37", "winner18", "Command38"},
    {"winner21", 4200, 4440, "winner19", "Command39", "winner20", "Command40"},
    {"winner22", 8640, 3240, "wrestler25", "Command26", "wrestler26", "Command19"},
    {"winner23", 8640, 3960, "wrestler27", "Command20", "wrestler28", "Command21"},
    {"winner24", 8640, 4680, "wrestler29", "Command22", "wrestler30", "Command23"},
    {"winner25", 8640, 5400, "wrestler31", "Command24", "wrestler32", "Command25"},
    {"winner26", 7200, 3600, "winner22", "Command15", "winner23", "Command16"},
    {"winner27", 7200, 5040, "winner24", "Command17", "winner25", "Command18"},
    {"winner28", 6000, 4440, "winner26", "Command13", "winner27", "Command14"},
    {"Label6", 4440, 2640, "Winner7", "Command6", "winner14", "Command5"},
    {"Label3", 7200, 2520, "winner21", "Command8", "winner28", "Command7"},
};
// Entry slot Tops by quarter: upper left, upper right, lower left, lower right.
const int EntryTops[4][8] = {{0, 240, 720, 960, 1680, 1920, 2400, 2640},
                             {0, 240, 720, 960, 1440, 1680, 2160, 2400},
                             {3120, 3360, 3840, 4080, 4800, 5040, 5520, 5760},
                             {3120, 3360, 3840, 4080, 4560, 4800, 5280, 5520}};
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

bool typedLine(int line)
{
    return (line >= 4 && line <= 27) || (line >= 58 && line <= 61);
}

QRect twips(int left, int top, int width, int height)
{
    return QRect(left / 15, top / 15, width / 15, height / 15);
}

void setSlot(QWidget *board, const QString &name, const QString &text)
{
    if (auto *edit = board->findChild<QLineEdit *>(name))
        edit->setText(text);
    else
        board->findChild<QLabel *>(name)->setText(text);
}

QStringList slotTexts(QWidget *board)
{
    QStringList texts;
    for (const QString &name : slotNames())
        texts << text(board, name);
    return texts;
}

QByteArray fileOf(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += line.toLatin1() + "\r\n";
    return bytes;
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

    void widgetsStandWhereTheyShould_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("place");
        QTest::addColumn<QString>("caption"); // a button's; the slots' texts are saved below
        QMap<QString, QPoint> slotAt;
        for (int n = 1; n <= 32; ++n) {
            const int quarter = (n - 1) / 8;
            slotAt[entryName(n)] = {quarter % 2 ? 10080 : 0, EntryTops[quarter][(n - 1) % 8]};
        }
        for (const MatchRow &m : Matches)
            slotAt[QString::fromLatin1(m.result)] = {m.left, m.top};
        for (const auto &[name, at] : slotAt.asKeyValueRange()) {
            const bool quarterWinner = at.x() == 4200 || at.x() == 6000;
            if (!name.startsWith(u'L')) // the finalists size themselves
                QTest::newRow(qPrintable(name))
                        << name << twips(at.x(), at.y(), 1215, quarterWinner ? 255 : 285) << "";
        }
        for (const MatchRow &m : Matches) {
            if (QByteArray(m.result).startsWith("Label"))
                continue;
            const bool leftHalf = m.left < 6000;
            for (auto [contender, button] :
                 {std::pair(m.upper, m.upperButton), std::pair(m.lower, m.lowerButton)}) {
                const QPoint at = slotAt.value(QString::fromLatin1(contender));
                QTest::newRow(button) << QString::fromLatin1(button)
                                      << twips(at.x() + (leftHalf ? 1200 : -240), at.y(), 255, 255)
                                      << QString::fromLatin1(leftHalf ? ">" : "<");
            }
        }
        // clang-format off
        const std::tuple<const char *, QRect, const char *> others[] = {
            {"Command6", twips(4560, 1560, 495, 375), "Win"}, {"Command5", twips(6240, 1560, 495, 375), "Win"},
            {"Command8", twips(4560, 4680, 495, 375), "Win"}, {"Command7", twips(6240, 4680, 495, 375), "Win"},
            {"Command1", twips(4320, 3120, 855, 255), "Win"}, {"Command2", twips(7080, 3120, 855, 255), "Win"},
            {"Command9", twips(6120, 6720, 1215, 495), "Save"}, {"Command10", twips(7440, 6720, 1215, 495), "Load"},
            {"Command4", twips(8760, 6720, 1215, 495), "Reset"}, {"Command3", twips(10080, 6720, 1215, 495), "Back"},
        };
        // clang-format on
        for (const auto &[name, place, caption] : others)
            QTest::newRow(name) << QString::fromLatin1(name) << place
                                << QString::fromLatin1(caption);
    }
    void widgetsStandWhereTheyShould()
    {
        QFETCH(QString, name);
        QFETCH(QRect, place);
        QFETCH(QString, caption);
        QCOMPARE(find(m_board, name)->geometry(), place);
        if (auto *button = qobject_cast<QAbstractButton *>(find(m_board, name)))
            QCOMPARE(button->text(), caption);
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
        for (const QString &name : names)
            setSlot(m_board, name, u'<' + name + u'>');
        click(m_board, button);
        for (const QString &name : names)
            QCOMPARE(text(m_board, name), u'<' + (name == result ? contender : name) + u'>');
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
        QTest::newRow("fresh") << QStringList() << fileOf(freshTexts());
        QTest::newRow("after reset")
                << QStringList {"win1", "Command1", "Command4"} << QByteArray("\r\n").repeated(62);
        // The hidden finalists are saved, the champion line is not.
        QStringList afterFinal = freshTexts();
        for (int line : {1, 33, 37, 39, 62})
            afterFinal[line - 1] = QStringLiteral("Bret");
        for (int line : {17, 47, 51, 53, 61})
            afterFinal[line - 1] = QStringLiteral("Shawn");
        QTest::newRow("after the final")
                << ToTheFinal + QStringList {"Command1"} << fileOf(afterFinal);
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

    void loadsAFileTheOldProgramWrote()
    {
        QStringList lines;
        for (int line = 1; line <= 64; ++line)
            lines << QStringLiteral("0%1").arg(line);
        const QString path = m_dir.filePath(QStringLiteral("old.txt"));
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write(fileOf(lines)) > 0);
        old.close();
        m_program->dialogs.answers.enqueue(path);
        click(m_board, "Command10");
        QStringList expected;
        for (int line = 1; line <= 62; ++line)
            expected << (typedLine(line) ? QString::number(line) : lines.at(line - 1));
        QCOMPARE(slotTexts(m_board), expected);
        QCOMPARE(text(m_board, "Label2"), QStringLiteral("VS."));
        QVERIFY(shown(m_board, "Label3") && shown(m_board, "Label6"));
    }

private:
    std::unique_ptr<TestProgram> m_program;
    QWidget *m_board = nullptr;
    QTemporaryDir m_dir;
};

QTEST_MAIN(TestThirtyTwoBoard)
#include "tst_thirtytwoboard.moc"
