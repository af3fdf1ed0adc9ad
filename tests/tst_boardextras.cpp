#include "testsupport.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QRegularExpression>

#include <random>

using namespace Ui;
using Keys = QKeySequence;

namespace {

const Keys Undo("Ctrl+Z"), Redo("Ctrl+Shift+Z"), RedoY("Ctrl+Y"), Save("Ctrl+S"), Load("Ctrl+O");
const Keys Print("Ctrl+P"), SavePicture("Ctrl+Shift+S"), CopyPicture("Ctrl+Shift+C");
const Keys PasteNames("Ctrl+Shift+V");

// Runs on a screen of twice the usual density, so pictures must come out at twice the size.
constexpr int Density = 2;

} // namespace

class TestBoardExtras : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestProgram> m_program;
    QTemporaryDir m_dir;
    QWidget *m_window = nullptr;

    QWidget *open(WindowId id)
    {
        m_program = std::make_unique<TestProgram>();
        m_window = m_program->open(id);
        m_window->activateWindow();
        // Keys reach the window once it is active, and a board's keys and menu come once it is
        // on screen, however long either takes.
        while (!m_window->isActiveWindow()
               || (qobject_cast<BoardWindow *>(m_window) && m_window->actions().isEmpty()))
            QTest::qWait(10);
        return m_window;
    }
    // Keys pressed with the focus on the named widget, or on the window itself.
    void press(const Keys &keys, const QString &focus = {})
    {
        QWidget *target = focus.isEmpty() ? m_window : find(m_window, focus);
        target->setFocus();
        QTest::keySequence(target, keys);
    }
    QString path(const QString &name) const { return m_dir.filePath(name); }

private Q_SLOTS:
    void cleanup() { m_program.reset(); }

    void picturesAndPrintsShowTheBoard_data() { addBoards(); }
    void picturesAndPrintsShowTheBoard()
    {
        QFETCH(WindowId, id);
        QWidget *board = open(id);
        m_program->dialogs.answers.enqueue(path("board.png"));
        press(SavePicture);
        QCOMPARE(m_program->dialogs.filters, QStringList {"PNG Images (*.png)"});
        QVERIFY(m_program->dialogs.startPaths[0].startsWith(QDir::home().filePath("Pictures")));
        const QImage saved(path("board.png"));
        QCOMPARE(saved.size(), board->size() * Density);
        QVERIFY(saved.pixel(0, 0) != saved.pixel(saved.width() / 2, saved.height() / 2));

        press(CopyPicture);
        QImage copied = QApplication::clipboard()->image().convertToFormat(saved.format());
        copied.setDevicePixelRatio(1);
        QCOMPARE(copied, saved);

        press(Print); // cancelled
        m_program->dialogs.printFile = path("board.pdf");
        press(Print);
        QCOMPARE(m_program->dialogs.printDialogs, 2);
        QFile pdf(path("board.pdf"));
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        const QString bytes = QString::fromLatin1(pdf.readAll());
        QVERIFY(bytes.startsWith("%PDF-") && bytes.size() > 10000);
        const auto box = QRegularExpression("/MediaBox \\[0 0 ([\\d.]+) ([\\d.]+)\\]").match(bytes);
        QVERIFY(box.hasMatch()
                && box.captured(1).toDouble() > box.captured(2).toDouble()); // landscape
        QVERIFY(m_program->dialogs.messages.isEmpty());
    }

    void undoAndRedoRetraceLongClickSequences_data() { addBoards(); }
    void undoAndRedoRetraceLongClickSequences()
    {
        QFETCH(WindowId, id);
        const BoardList &list = boardList(id);
        QWidget *board = open(id);
        FreshGenerator fresh;
        for (QLineEdit *entry : board->findChildren<QLineEdit *>())
            entry->setText("<" + entry->objectName() + ">");
        m_program->dialogs.answers.enqueue(path("start.txt"));
        press(Save);
        QList<QAbstractButton *> buttons;
        for (QAbstractButton *button : board->findChildren<QAbstractButton *>()) {
            if (button->objectName() != list.save && button->text() != "Back")
                buttons << button;
        }
        std::mt19937 choose {unsigned(id)};
        QList<QStringList> states {stateOf(board)};
        for (int i = 0; i < 400; ++i) {
            QAbstractButton *button = buttons[qsizetype(choose() % buttons.size())];
            if (button->isHidden())
                continue;
            if (button->objectName() == list.load) {
                m_program->dialogs.answers.enqueue(path("start.txt"));
                press(Load);
            } else {
                button->click();
            }
            if (stateOf(board) != states.last()) // a click that changes nothing is no step
                states << stateOf(board);
        }
        QVERIFY(m_program->dialogs.answers.isEmpty() && m_program->dialogs.messages.isEmpty());
        const quint32 drawn = processRandom().state();
        for (qsizetype i = states.size() - 2; i >= -1; --i) { // one undo more than there are steps
            press(Undo);
            QCOMPARE(stateOf(board), states[qMax(i, 0)]);
        }
        for (qsizetype i = 1; i < states.size(); ++i) {
            press(i % 2 ? Redo : RedoY);
            QCOMPARE(stateOf(board), states[i]);
        }
        QCOMPARE(processRandom().state(), drawn);
    }

    void undoKeysInAnEntrySlotUndoTheTyping()
    {
        QWidget *board = open(WindowId::Four);
        click(board, "Command3");
        find(board, "One")->setFocus();
        QTest::keyClicks(find(board, "One"), "Bret"); // typed in front of "Wrestler 1"
        press(Undo, "One");
        QCOMPARE(text(board, "One") + text(board, "Two1"), "Wrestler 1Wrestler 1");
        press(RedoY, "One");
        press(Undo); // on the board
        QCOMPARE(text(board, "One") + text(board, "Two1"), "BretWrestler 1");
    }

    void pasteNamesFillsTheBoxesFromTheOneTypedIn_data()
    {
        QTest::addColumn<WindowId>("id");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QString>("notice");
        const QString one = "1 name was left out: there is no box for it.";
        // clang-format off
        QTest::newRow("four, blank lines and spaces dropped") << WindowId::Four << "two"
                << "Bret\n\n  Shawn \r\nTaker\r\rKane\nMankind" << QStringList {"One", "two", "three", "four"}
                << QStringList {"Wrestler 1", "Bret", "Shawn", "Taker"} << "2 names were left out: there are no boxes for them.";
        QTest::newRow("thirty-two, in file order") << WindowId::ThirtyTwo << "txtWrestler16" << "Rock\nHHH"
                << QStringList {"txtWrestler16", "wrestler17", "wrestler18"} << QStringList {"Rock", "HHH", "#18 Wrestler"} << "";
        QTest::newRow("singles, hidden boxes left alone") << WindowId::Random << "Text1" << "Lex\nHogan\nSavage"
                << QStringList {"Text1", "Text2", "Text3"} << QStringList {"Lex", "Hogan", "Wrestler Three"} << one;
        QTest::newRow("nothing to paste") << WindowId::Eight << "txtWrestler1" << " \n\n"
                << QStringList {"txtWrestler1"} << QStringList {""} << "The clipboard holds no names.";
        // clang-format on
    }
    void pasteNamesFillsTheBoxesFromTheOneTypedIn()
    {
        QFETCH(WindowId, id);
        QFETCH(QString, from);
        QFETCH(QString, clipboard);
        QFETCH(QStringList, boxes);
        QFETCH(QStringList, expected);
        QFETCH(QString, notice);
#ifdef Q_OS_WIN
        // Under Wine the random winners' boxes do not take the key; not yet seen on Windows.
        if (id == WindowId::Random)
            QSKIP("Paste Names by key in Random Winners is not checked under Wine");
#endif
        QWidget *window = open(id);
        const QStringList before = stateOf(window);
        QApplication::clipboard()->setText(clipboard);
        press(PasteNames, from);
        for (qsizetype i = 0; i < boxes.size(); ++i)
            QCOMPARE(text(window, boxes[i]), expected[i]);
        QCOMPARE(m_program->dialogs.notices.value(0), notice);
        if (id != WindowId::Random) { // the whole paste is one step
            press(Undo);
            QCOMPARE(stateOf(window), before);
        }
    }

    void droppedFileLoadsAsLoadDoes_data()
    {
        QTest::addColumn<QString>("target"); // empty: the board's background
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("content");
        const QByteArray bracket = "Bret\r\nShawn\r\n" + QByteArray(11, '\n');
        // clang-format off
        QTest::newRow("on the background") << ""      << "b.txt" << bracket;
        QTest::newRow("on an entry slot")  << "three" << "b.TXT" << bracket;
        QTest::newRow("too few names")     << ""      << "f.txt" << QByteArray("Bret\r\n");
        QTest::newRow("not a .txt file")   << ""      << "b.csv" << bracket;
        // clang-format on
    }
    void droppedFileLoadsAsLoadDoes()
    {
        QFETCH(QString, target);
        QFETCH(QString, file);
        QFETCH(QByteArray, content);
        Files::write(path(file), content);
        QWidget *board = open(WindowId::Four);
        click(board, "Command16");
        m_program->dialogs.answers.enqueue(path(file));
        click(board, "Command14");
        const QStringList loaded = stateOf(board);
        const auto loadMessage = m_program->dialogs.messages.value(0).text;
        click(board, "Command16");
        const QStringList reset = stateOf(board);
        m_program->dialogs.messages.clear();

        QWidget *on = target.isEmpty() ? board : find(board, target);
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(path(file))});
        QDragEnterEvent enter({5, 5}, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(on, &enter);
        QCOMPARE(enter.isAccepted(), file.endsWith(".txt", Qt::CaseInsensitive));
        if (!enter.isAccepted())
            return;
        QDropEvent drop({5, 5}, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(on, &drop);
        TestProgram::settle();
        QCOMPARE(stateOf(board), loaded);
        QCOMPARE(m_program->dialogs.messages.value(0).text, loadMessage);
        if (loadMessage.isEmpty()) { // one step of the history
            press(Undo);
            QCOMPARE(stateOf(board), reset);
        }
    }
};

int main(int argc, char *argv[])
{
    qputenv("QT_SCALE_FACTOR", QByteArray::number(Density));
    QTemporaryDir home; // with a Pictures folder, where pictures are offered first
    QDir(home.path()).mkdir("Pictures");
    qputenv("HOME", home.path().toLocal8Bit());
    QApplication app(argc, argv);
    TestBoardExtras test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_boardextras.moc"
