#include "bracketfile.h"

#include <QLocale>
#include <QTest>

#include <algorithm>

using namespace BracketFile;
using namespace Qt::StringLiterals;

namespace {

constexpr qint64 MaxValueBytes = 4 * qint64(MaxValueLength);

// A sequential device handing out `size` bytes of a repeated pattern, at most `step` bytes per
// read, that fails once `failAt` bytes are out. It counts the bytes it hands out.
class PatternDevice : public QIODevice
{
public:
    PatternDevice(const QByteArray &pattern, qint64 size, qint64 step = 1 << 30, qint64 failAt = -1)
        : m_pattern(pattern), m_size(size), m_step(step), m_failAt(failAt)
    {
        open(ReadOnly | Unbuffered);
    }
    bool isSequential() const override { return true; }
    qint64 handedOut() const { return m_position; }

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        if (m_position == m_failAt)
            return -1;
        qint64 end = std::min({m_size, m_position + maxSize, m_position + m_step});
        end = m_failAt < 0 ? end : std::min(end, m_failAt);
        const qint64 start = m_position;
        for (; m_position < end; ++m_position)
            *data++ = m_pattern.at(m_position % m_pattern.size());
        return end - start;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    QByteArray m_pattern;
    qint64 m_size, m_step, m_failAt, m_position = 0;
};

// A file and the texts it holds, joined by '|', with one holder letter per line: t for a text
// line and y for a typed line, the last letter repeating.
struct FileRow
{
    const char *tag;
    QByteArray file;
    const char *letters;
    QString texts;
};

void addFileRows(std::initializer_list<FileRow> rows)
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QList<Holder>>("holders");
    QTest::addColumn<QStringList>("texts");
    for (const FileRow &row : rows) {
        const QStringList texts = row.texts.split(u'|');
        QList<Holder> holders;
        for (qsizetype i = 0; i < texts.size(); ++i) {
            const char letter = row.letters[std::min(i, qsizetype(qstrlen(row.letters)) - 1)];
            holders.append(letter == 'y' ? Holder::Typed : Holder::Text);
        }
        QTest::newRow(row.tag) << row.file << holders << texts;
    }
}

} // namespace

class TestBracketFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }

    void readsFiles_data()
    {
        addFileRows({
                {"lines", "Bret Hart\r\nHart, Bret\r\n  Sting  \r\n\tRic"_ba, "t",
                 u"Bret Hart|Hart|Bret|Sting|\tRic"_s},
                {"digits", "007\r\n007\r\n \"007\"\r\n"_ba, "tyy", u"007|7|007"_s},
                {"quoted", "\"Hart, Bret\r\n\"\"Hitman\"\"\" Jr,x"_ba, "t",
                 u"Hart, Bret\r\n\"Hitman\"|x"_s},
                {"stray quotes", "The \"Nature\" Boy \"\r\n\"a,b\r\nc"_ba, "t",
                 u"The Nature Boy|a,b\r\nc"_s},
                {"commas", "a,\r\nb,"_ba, "t", u"a||b|"_s},
                {"line ends", "a\nb\rc\r\r\nd\r\n \r\n\r\n"_ba, "t", u"a|b|c||d||"_s},
                {"later values unread", "a\r\0"_ba, "t", u"a"_s},
                {"longest value", QByteArray(MaxValueBytes - 1, ' ') + 'x', "t", u"x"_s},
                {"BOM", "\xEF\xBB\xBFSting\r\n\xEF\xBB\xBF"_ba, "t", u"Sting|\uFEFF"_s},
                {"encodings", "\x80\xE9\x81\x9F\r\n\xC3\xA9\r\n\xE2\x9C\x93"_ba, "t",
                 u"€é\u0081Ÿ|é|✓"_s},
                {"Windows-1252 0x80 to 0x9F",
                 "\x80\x81\x82\x83\x84\x85\x86\x87\x88\x89\x8A\x8B\x8C\x8D\x8E\x8F"
                 "\x90\x91\x92\x93\x94\x95\x96\x97\x98\x99\x9A\x9B\x9C\x9D\x9E\x9F"_ba,
                 "t", u"€\u0081‚ƒ„…†‡ˆ‰Š‹Œ\u008DŽ\u008F\u0090‘’“”•–—˜™š›œ\u009DžŸ"_s},
                {"numbers", "1.50\r\n2E3\r\n-0\r\n+5\r\n.5\r\n5.\r\n1e-2\r\n1E-400"_ba, "y",
                 u"1.5|2000|0|5|0.5|5|0.01|0"_s},
                {"exponents",
                 "123456789012345\r\n1E15\r\n0.0001\r\n0.00001\r\n1.5E-7\r\n12345678901234567"_ba,
                 "y", u"123456789012345|1E+15|0.0001|1E-05|1.5E-07|1.23456789012346E+16"_s},
                {"ties to even", "100000000000000.5"_ba, "y", u"100000000000000"_s},
                {"not numbers", "1E400\r\n&H10\r\n1D3\r\n.\r\n1E\r\n５\r\n\t5\r\nInfinity"_ba, "y",
                 u"1E400|&H10|1D3|.|1E|５|\t5|Infinity"_s},
                {"literals", "#TRUE#\r\n#false#\r\n#NULL#\r\n#5 Wrestler\r\n#\r\n##"_ba, "y",
                 u"True|False|#NULL#|#5 Wrestler|#|##"_s},
                {"dates", "#2024-01-31#\r\n#2024-01-31 13:05:09#\r\n#2024-02-30#\r\n#2024-1-31#"_ba,
                 "y", u"31.01.24|31.01.24 13:05|#2024-02-30#|#2024-1-31#"_s},
        });
    }

    // Every file is also read one byte per read, which puts every CR LF, doubled quote and
    // byte-order mark across a chunk boundary.
    void readsFiles()
    {
        QFETCH(QByteArray, file);
        QFETCH(QList<Holder>, holders);
        QFETCH(QStringList, texts);
        for (const qint64 step : {qint64(1) << 30, qint64(1)}) {
            PatternDevice device(file, file.size(), step);
            const ReadResult result = read(device, holders);
            QVERIFY(!result.error);
            QCOMPARE(result.values, texts);
        }
    }

    void writesBytes_data()
    {
        addFileRows({
                {"board",
                 "Wrestler 1\r\nWrestler 2\r\nWrestler 3\r\nWrestler 4\r\n"_ba
                         + "\r\n"_ba.repeated(9),
                 "t", u"Wrestler 1|Wrestler 2|Wrestler 3|Wrestler 4|||||||||"_s},
                {"text lines",
                 "007\r\n2E3\r\n#TRUE#\r\n\" x\"\r\n\"x \"\r\n\"a,b\"\r\n\"a\"\"b\"\r\n\"a\rb\"\r\n"_ba,
                 "t", u"007|2E3|#TRUE#| x|x |a,b|a\"b|a\rb"_s},
                {"typed lines", "\"007\"\r\n7\r\n\"2E3\"\r\n\"#TRUE#\"\r\nTrue\r\n1E400\r\n"_ba,
                 "y", u"007|7|2E3|#TRUE#|True|1E400"_s},
                {"Windows-1252", "\xE9\x80\r\n\x81\r\n"_ba, "t", u"é€|\u0081"_s},
                {"UTF-8", "\xC3\xA9\r\n\xE2\x9C\x93\r\n"_ba, "t", u"é|✓"_s},
                {"looks like UTF-8", "\xC3\xA9\r\n\xC3\x83\xC2\xA9\r\n"_ba, "t", u"é|Ã©"_s},
                {"U+FEFF first", "\"\xEF\xBB\xBFx\"\r\n\xEF\xBB\xBFx\r\n"_ba, "t",
                 u"\uFEFFx|\uFEFFx"_s},
                {"BOM bytes in Windows-1252", "\"\xEF\xBB\xBF\xE2\"\r\n"_ba, "t",
                 u"\u00EF\u00BB\u00BF\u00E2"_s},
        });
    }

    void writesBytes()
    {
        QFETCH(QStringList, texts);
        QFETCH(QList<Holder>, holders);
        QTEST(write(texts, holders), "file");
    }

    void refusesNulAndLoneSurrogates()
    {
        QVERIFY(canStore(u"a😀"_s));
        const QChar high(0xD83D), low(0xDE00);
        const QStringList unstorable = {u"a\0b"_s, high + u"x"_s, u"x"_s + low, u"x"_s + high};
        for (const QString &text : unstorable)
            QVERIFY2(!canStore(text), qPrintable(QString::number(unstorable.indexOf(text))));
    }

    // Errors are the board's messages (see the file fault test); a device that fails part-way
    // is one only a device can show.
    void readsNoMoreThanNeeded()
    {
        PatternDevice failing("a\r\nb"_ba, 4, 1 << 30, 3);
        const ReadResult broken = read(failing, QList<Holder>(2, Holder::Text));
        QVERIFY(broken.error && broken.error->kind == ReadError::Kind::Unreadable);
        QCOMPARE(broken.error->line, 2);
        QCOMPARE(broken.values, QStringList {"a"});

        PatternDevice shortLines("Wrestler\r\n"_ba, 100'000'000);
        QCOMPARE(read(shortLines, QList<Holder>(62, Holder::Text)).values,
                 QStringList(62, u"Wrestler"_s));
        QVERIFY(shortLines.handedOut() < 1'000'000);

        PatternDevice oneLine("x"_ba, 10'000'000);
        const ReadResult refused = read(oneLine, {Holder::Text});
        QVERIFY(refused.error && refused.error->kind == ReadError::Kind::ValueTooLong);
        QVERIFY(oneLine.handedOut() <= MaxValueBytes + 128 * 1024);
    }
};

QTEST_GUILESS_MAIN(TestBracketFile)
#include "tst_bracketfile.moc"
