// SPDX-License-Identifier: GPL-3.0-or-later
// The program on the desktop: screen readers, dense screens, long names, pictures and the package.
// everyWindowIsWhole and longNamesFit run a second time at twice the density (see CMakeLists).
#include "form.h"
#include "testsupport.h"

#include <QAccessible>
#include <QProcess>
#include <QRegularExpression>

using namespace Ui;

namespace {

const QStringList TerseCaptions {">", "<", "Random", "Win"};
const QString Warrior = "The Ultimate Warrior"; // twenty letters, as long as ring names run

// Every window in WindowId order: its name and its size in logical pixels.
const std::pair<const char *, QSize> Windows[] = {
        {"frmMain", {772, 448}},   {"frm4", {759, 468}},           {"frm8Tournament", {765, 438}},
        {"frm16", {792, 506}},     {"frm32", {786, 498}},          {"frmRandom", {751, 445}},
        {"frmRoster", {792, 401}}, {"frmFeudplanner", {794, 575}}, {"frmRoundRobin", {1120, 680}}};

// Where a text box shows the cursor: beside the last letter when the name is whole in view.
int cursorX(QLineEdit *edit, int position)
{
    edit->setCursorPosition(position);
    edit->grab(); // the view scrolls as it paints
    return edit->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
}

bool wholeInView(QLineEdit *edit)
{
    const qreal width = QFontMetricsF(edit->font()).horizontalAdvance(edit->text());
    return cursorX(edit, int(edit->text().size())) - cursorX(edit, 0) >= qFloor(width) - 1;
}

QString run(const QString &program, const QStringList &arguments, const QString &folder = {})
{
    QProcess process;
    process.setWorkingDirectory(folder);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel); // what went wrong, in the log
    process.start(program, arguments);
    // A missing tool fails too: ./test installs every one.
    const bool ran = process.waitForFinished(-1) && process.exitStatus() == QProcess::NormalExit
            && process.exitCode() == 0;
    return ran ? QString::fromLocal8Bit(process.readAllStandardOutput()) : "!";
}

} // namespace

class TestDesktop : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { m_program = std::make_unique<TestProgram>(); }
    void cleanup() { m_program.reset(); }

    // Every window: its size in logical pixels, 15 twips to one, however dense the screen; its
    // widgets named once and inside it; a board's terse ">", "<", "Random" and "Win" buttons each
    // with a spoken name of its own once a screen reader listens.
    void everyWindowIsWhole_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QSize>("size");
        for (int id = 0; id < WindowCount; ++id)
            QTest::newRow(Windows[id].first) << id << Windows[id].second;
    }
    void everyWindowIsWhole()
    {
        QFETCH(int, id);
        QCOMPARE(Form::pixels(22) * 10 + Form::pixels(23), 12); // to the nearest pixel
        QWidget *window = m_program->open(WindowId(id));
        QAccessible::setActive(true);
        QCOMPARE(window->objectName(), QString::fromLatin1(QTest::currentDataTag()));
        QTEST(window->size(), "size");
        QCOMPARE(window->grab().size(), window->size() * qApp->devicePixelRatio());
        QSet<QString> names, spoken;
        for (QWidget *widget : window->findChildren<QWidget *>()) {
            auto *button = qobject_cast<QAbstractButton *>(widget);
            if (button && TerseCaptions.contains(button->text())) {
                const QString said = button->accessibleName();
                QVERIFY2(!said.isEmpty() && !spoken.contains(said),
                         qPrintable(button->objectName()));
                spoken.insert(said);
            }
            const QString name = widget->objectName();
            if (name.isEmpty() || name.startsWith("qt_"))
                continue;
            QVERIFY2(!names.contains(name), qPrintable(name + " is named twice"));
            names.insert(name);
            auto *label = qobject_cast<Form::Label *>(widget);
            // As laid out, the random winners' frame reaches a few pixels below the window.
            if ((label && label->autoSizes()) || name == "Frame1" || !widget->isVisibleTo(window))
                continue;
            const QRect inside = widget->parentWidget()->rect().adjusted(0, 0, 1, 1);
            QVERIFY2(inside.contains(widget->geometry()), qPrintable(name + " lies outside"));
        }
    }

    // A twenty-letter name is shown whole in every slot, in the slot's own font when it fits and
    // smaller when not; a name too long even for the smallest size keeps its text and shows it
    // in the tooltip.
    void longNamesFit_data() { everyWindowIsWhole_data(); }
    void longNamesFit()
    {
        QFETCH(int, id);
        QWidget *window = m_program->open(WindowId(id));
        const QString tooLong(40, 'W');
        for (auto *edit : window->findChildren<Form::TextBox *>()) {
            type(window, edit->objectName(), "Wrestler 1");
            QVERIFY(edit->font() == edit->specifiedFont() && edit->toolTip().isEmpty());
            type(window, edit->objectName(), Warrior);
            QVERIFY2(wholeInView(edit), qPrintable(edit->objectName()));
            type(window, edit->objectName(), tooLong);
            QVERIFY(edit->font() == edit->specifiedFont() || edit->toolTip() == tooLong);
        }
        for (auto *label : window->findChildren<Form::Label *>()) {
            // The hint wraps within its box, and the "VS" between two finalists holds no name.
            const QString place = window->objectName() + '/' + label->objectName();
            if (label->wordWrap() || place == "frm16/Label2" || place == "frm16/Label8")
                continue;
            const QString name = label->autoSizes() ? "Winner: " + Warrior : Warrior;
            Slot(label).setText("Wrestler 1");
            QCOMPARE(label->font(), label->specifiedFont());
            Slot(label).setText(name);
            const qreal width = QFontMetricsF(label->font()).horizontalAdvance(name);
            QVERIFY2(width <= label->contentsRect().width(), qPrintable(label->objectName()));
            // As laid out, the sixteen-man board's right-most losers reach a pixel past its edge.
            const QRect inside = window->rect().adjusted(0, 0, 1, 0);
            QVERIFY2(inside.contains(label->geometry()), qPrintable(label->objectName()));
            Slot(label).setText(tooLong);
            QCOMPARE(label->text(), tooLong);
            QVERIFY(label->font() == label->specifiedFont() || label->toolTip() == tooLong);
        }
    }

    // The package, built twice to the same bytes, unpacked anywhere holds desktop files that pass
    // the desktops' validators and both icons, and its program tells its version without a
    // display, starts from any folder, finds its own pictures and comes up.
    void installedPackageStartsAnywhere()
    {
#ifdef KAYFABE_SANITIZED
        QSKIP("the package is built from the program as shipped, not a sanitizer build");
#endif
        QTemporaryDir packages, again, root, elsewhere;
        for (const QString &folder : {packages.path(), again.path()})
            QVERIFY(run(KAYFABE_CPACK, {"-G", "DEB", "-B", folder}, KAYFABE_BUILD_DIR) != "!");
        const QString name = "kayfabe-kit_" KAYFABE_VERSION "_amd64.deb",
                      deb = packages.filePath(name);
        QVERIFY(run("cmp", {deb, again.filePath(name)}) != "!");
        QVERIFY(run("dpkg-deb", {"-f", deb, "Depends"}).contains("libqt6widgets6"));
        QVERIFY(run("dpkg-deb", {"-x", deb, root.path()}) != "!");
        const QString usr = root.filePath("usr/"), share = usr + "share/", id = KAYFABE_APP_ID;
        QCOMPARE(run("env",
                     {"-u", "QT_QPA_PLATFORM", "-u", "DISPLAY", "-u", "WAYLAND_DISPLAY",
                      usr + "bin/kayfabe-kit", "--version"}),
                 "Kayfabe Kit " KAYFABE_VERSION "\n");
        QVERIFY(run("desktop-file-validate", {share + "applications/" + id + ".desktop"}) != "!");
        // Every issue, pedantic ones too, is a fault but two: Debian 12's AppStream 0.16 predates
        // the <developer> tag, and the application id keeps the capitals it was published with.
        const QString report = run(
                "appstreamcli",
                {"validate", "--pedantic", "--no-net", share + "metainfo/" + id + ".metainfo.xml"});
        const QRegularExpression fault(
                "^[EWIP]: (?!.*(unknown-tag developer$|cid-contains-upper))");
        QVERIFY2(report != "!" && report.split('\n').filter(fault).isEmpty(), qPrintable(report));
        for (const QString size : {"48x48", "256x256"})
            QVERIFY(QFileInfo::exists(share + "icons/hicolor/" + size + "/apps/" + id + ".png"));
        // Qt's painting log tells from outside when the menu has been painted on screen, and the
        // program says in it when it falls back on pictures of its own.
        qputenv("QT_LOGGING_RULES", "qt.widgets.painting=true");
        QProcess program;
        program.setWorkingDirectory(elsewhere.path());
        program.setProcessChannelMode(QProcess::MergedChannels);
        program.start(usr + "bin/kayfabe-kit");
        const QRegularExpression menuPainted("Flushing QRegion.*frmMain");
        QByteArray log;
        while (!menuPainted.match(log).hasMatch() && program.waitForReadyRead(-1))
            log += program.readAll();
        QVERIFY2(program.state() == QProcess::Running && !log.contains("built-in"),
                 log.right(2000));
    }

private:
    std::unique_ptr<TestProgram> m_program;
};

QTEST_MAIN(TestDesktop)
#include "tst_desktop.moc"
