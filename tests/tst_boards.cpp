// What every bracket board does alike: Back forgets it, its file keeps every name, and files of
// the old program load by their line's holder kind.
#include "boardlists.h"
#include "testsupport.h"

#include <QRandomGenerator>
#include <QTest>

using namespace Ui;

class TestBoards : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyBoard_data()
    {
        QTest::addColumn<int>("index");
        for (qsizetype i = 0; i < boardLists().size(); ++i)
            QTest::newRow(boardLists().at(i).tag) << int(i);
    }

    void backForgetsTheBoard_data() { everyBoard_data(); }
    void backForgetsTheBoard()
    {
        const BoardList &list = current();
        BoardFixture f(list.id, list.save, list.load);
        const QStringList initial = f.texts(list.slots);
        Wiring::mark(f.board, list.slots);
        click(f.board, list.back);
        TestProgram::settle();
        QVERIFY(f.program.windows().instance(WindowId::Main)->isVisible());
        QVERIFY(!f.program.windows().isLoaded(list.id));
        f.board = f.program.open(list.id);
        QCOMPARE(f.texts(list.slots), initial);
    }

    void everyNameComesBack_data() { everyBoard_data(); }
    void everyNameComesBack()
    {
        const BoardList &list = current();
        BoardFixture f(list.id, list.save, list.load);
        QRandomGenerator random(7);
        for (int round = 0; round < 10; ++round) {
            QStringList names;
            for (const QString &slot : list.slots) {
                names << nastyName(random);
                setSlot(f.board, slot, names.last());
            }
            const QByteArray file = f.save();
            click(f.board, list.reset);
            QCOMPARE(f.texts(list.slots), QStringList(list.slots.size(), QString()));
            f.load(file);
            QCOMPARE(f.texts(list.slots), names);
        }
        QVERIFY(f.program.dialogs.messages.isEmpty());
    }

    void oldFilesReadDigitsByLine_data() { everyBoard_data(); }
    void oldFilesReadDigitsByLine()
    {
        // The old program wrote every name plain: "012" comes back as 12 on a typed line.
        const BoardList &list = current();
        BoardFixture f(list.id, list.save, list.load);
        QStringList lines, expected;
        for (int line = 1; line <= list.slots.size() + 2; ++line)
            lines << QStringLiteral("0%1").arg(line);
        for (int line = 1; line <= list.slots.size(); ++line)
            expected << (list.typed(line) ? QString::number(line) : lines.at(line - 1));
        f.load(Files::lines(lines));
        QCOMPARE(f.texts(list.slots), expected);
        QVERIFY(f.program.dialogs.messages.isEmpty());
    }

private:
    static const BoardList &current()
    {
        QFETCH(int, index);
        return boardLists().at(index);
    }

    static QString nastyName(QRandomGenerator &random)
    {
        static const QStringList pieces
                = {"Hart",         ", Bret",      "\"Hitman\"", " ", "007", "1.50", "2E3", "#TRUE#",
                   "#2024-01-31#", "#5 Wrestler", "Ñandú",      "✓", "€",   "Ã©",   "-0"};
        QString name;
        for (int i = 0, count = random.bounded(4); i < count; ++i)
            name += pieces.at(random.bounded(pieces.size()));
        return name;
    }
};

QTEST_MAIN(TestBoards)
#include "tst_boards.moc"
