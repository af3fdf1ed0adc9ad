// SPDX-License-Identifier: GPL-3.0-or-later
// Opens and leaves every tool window a thousand times. Nothing may leak (the sanitizer build
// runs this under LeakSanitizer) and the resident memory must settle after the first rounds.
#include "testsupport.h"

#include <unistd.h>

namespace {

qint64 residentBytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.value(1).toLongLong() * sysconf(_SC_PAGESIZE);
}

} // namespace

class TestLifecycle : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyToolWindowComesAndGoesWithoutGrowing()
    {
        const WindowId tools[]
                = {WindowId::Four,   WindowId::Eight,  WindowId::Sixteen,     WindowId::ThirtyTwo,
                   WindowId::Random, WindowId::Roster, WindowId::FeudPlanner, WindowId::RoundRobin};
        TestProgram program;
        program.open(WindowId::Main);
        qint64 settled = 0;
        for (int round = 1; round <= 1000; ++round) {
            for (WindowId id : tools) {
                QVERIFY(program.open(id));
                TestProgram::settle();
                program.windows().unload(id);
                TestProgram::settle();
            }
            if (round == 10)
                settled = residentBytes();
        }
        const qint64 growth = residentBytes() - settled;
        qInfo("resident memory after 10 rounds: %lld KiB; growth over the next 990: %lld KiB",
              settled / 1024, growth / 1024);
#ifdef KAYFABE_SANITIZED
        QSKIP("the sanitizer keeps freed memory in quarantine; leaks are its to report");
#endif
        QVERIFY2(growth <= 2 * 1024 * 1024, qPrintable(QString::number(growth)));
    }
};

QTEST_MAIN(TestLifecycle)
#include "tst_lifecycle.moc"
