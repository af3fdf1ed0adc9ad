// SPDX-License-Identifier: GPL-3.0-or-later
#include "bracketfile.h"

#include <QBuffer>
#include <QLocale>
#include <QTest>

#include <algorithm>

using namespace BracketFile;
using namespace Qt::StringLiterals;

namespace {

constexpr qint64 MaxValueBytes = 4 * qint64(MaxValueLength);

// Hands out its bytes at most `step` per read, and fails once `failAt` are out; pos() tells how
// many it handed out.
class Trickle : public QBuffer
{
public:
    Trickle(const QByteArray &bytes, qint64 step = 1 << 30, qint64 failAt = -1)
        : m_step(step), m_failAt(failAt)
    {
        setData(bytes);
        open(ReadOnly | Unbuffered);
    }

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        return pos() == m_failAt ? -1 : QBuffer::readData(data, std::min(maxSize, m_step));
    }

private:
    qint64 m_step, m_failAt;
};

// A file and the texts it holds, joined by '|', with one holder letter per line: t for a text
// line and y for a typed line, the last letter repeating. A written file is also what writing
// the texts makes.
void row(const char *tag, const QByteArray &file, const char *letters, const QString &texts,
         bool written = false)
{
    const QStringList values = texts.split(u'|');
    QList<Holder> holders;
    for (qsizetype i = 0; i < values.size(); ++i) {
        const char letter = letters[std::min(i, qsizetype(qstrlen(letters)) - 1)];
        holders.append(letter == 'y' ? Holder::Typed : Holder::Text);
    }
    QTest::newRow(tag) << file << holders << values << written;
}

} // namespace

class TestBracketFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }

    // Every file is also read one byte per read, which puts every CR LF, doubled quote and
    // byte-order mark across a chunk boundary.
    void files_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QList<Holder>>("holders");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<bool>("written");
        row("lines", "Bret Hart\r\nHart, Bret\r\n  Sting  \r\n\tRic"_ba, "t",
            u"Bret Hart|Hart|Bret|Sting|\tRic"_s);
        row("digits", "007\r\n007\r\n \"007\"\r\n"_ba, "tyy", u"007|7|007"_s);
        row("quoted", "\"Hart, Bret\r\n\"\"Hitman\"\"\" Jr,x"_ba, "t",
            u"Hart, Bret\r\n\"Hitman\"|x"_s);
        row("stray quotes", "The \"Nature\" Boy \"\r\n\"a,b\r\nc"_ba, "t",
            u"The Nature Boy|a,b\r\nc"_s);
        row("commas", "a,\r\nb,"_ba, "t", u"a||b|"_s);
        row("line ends", "a\nb\rc\r\r\nd\r\n \r\n\r\n"_ba, "t", u"a|b|c||d||"_s);
        row("later values unread", "a\r\0"_ba, "t", u"a"_s);
        row("longest value", QByteArray(MaxValueBytes - 1, ' ') + 'x', "t", u"x"_s);
        row("BOM", "\xEF\xBB\xBFSting\r\n\xEF\xBB\xBF"_ba, "t", u"Sting|\uFEFF"_s);
        row("UTF-16 LE", "\xFF\xFE\xFE\xFF,\0\x13\x01\r\0\n\0\0\xD8\0\xDC"_ba, "t",
            u"\uFFFE|ē|𐀀"_s);
        row("UTF-16 BE", "\xFE\xFF\0\"\0a\0,\0\"\0\r\0\r\0\n"_ba, "y", u"a,|"_s);
        row("encodings", "\x80\xE9\x81\x9F\r\n\xC3\xA9\r\n\xE2\x9C\x93"_ba, "t",
            u"€é\u0081Ÿ|é|✓"_s);
        row("Windows-1252 0x80 to 0x9F",
            "\x80\x81\x82\x83\x84\x85\x86\x87\x88\x89\x8A\x8B\x8C\x8D\x8E\x8F"
            "\x90\x91\x92\x93\x94\x95\x96\x97\x98\x99\x9A\x9B\x9C\x9D\x9E\x9F"_ba,
            "t", u"€\u0081‚ƒ„…†‡ˆ‰Š‹Œ\u008DŽ\u008F\u0090‘’“”•–—˜™š›œ\u009DžŸ"_s);
        row("numbers", "1.50\r\n2E3\r\n-0\r\n+5\r\n.5\r\n5.\r\n1e-2\r\n1E-400"_ba, "y",
            u"1.5|2000|0|5|0.5|5|0.01|0"_s);
        row("exponents",
            "123456789012345\r\n1E15\r\n0.0001\r\n0.00001\r\n1.5E-7\r\n12345678901234567"_ba, "y",
            u"123456789012345|1E+15|0.0001|1E-05|1.5E-07|1.23456789012346E+16"_s);
        row("ties to even", "100000000000000.5"_ba, "y", u"100000000000000"_s);
        row("not numbers", "1E400\r\n&H10\r\n1D3\r\n.\r\n1E\r\n５\r\n\t5\r\nInfinity"_ba, "y",
            u"1E400|&H10|1D3|.|1E|５|\t5|Infinity"_s);
        row("literals", "#TRUE#\r\n#false#\r\n#NULL#\r\n#5 Wrestler\r\n#\r\n##"_ba, "y",
            u"True|False|#NULL#|#5 Wrestler|#|##"_s);
        row("dates", "#2024-01-31#\r\n#2024-01-31 13:05:09#\r\n#2024-02-30#\r\n#2024-1-31#"_ba, "y",
            u"31.01.24|31.01.24 13:05|#2024-02-30#|#2024-1-31#"_s);
        // Files as the program writes them.
        row("board",
            "Wrestler 1\r\nWrestler 2\r\nWrestler 3\r\nWrestler 4\r\n"_ba + "\r\n"_ba.repeated(9),
            "t", u"Wrestler 1|Wrestler 2|Wrestler 3|Wrestler 4|||||||||"_s, true);
        row("text lines",
            "007\r\n2E3\r\n#TRUE#\r\n\" x\"\r\n\"x \"\r\n\"a,b\"\r\n\"a\"\"b\"\r\n\"a\rb\"\r\n"_ba,
            "t", u"007|2E3|#TRUE#| x|x |a,b|a\"b|a\rb"_s, true);
        row("typed lines", "\"007\"\r\n7\r\n\"2E3\"\r\n\"#TRUE#\"\r\nTrue\r\n1E400\r\n"_ba, "y",
            u"007|7|2E3|#TRUE#|True|1E400"_s, true);
        row("Windows-1252", "\xE9\x80\r\n\x81\r\n"_ba, "t", u"é€|\u0081"_s, true);
        row("UTF-8", "\xC3\xA9\r\n\xE2\x9C\x93\r\n"_ba, "t", u"é|✓"_s, true);
        row("looks like UTF-8", "\xC3\xA9\r\n\xC3\x83\xC2\xA9\r\n"_ba, "t", u"é|Ã©"_s, true);
        row("U+FEFF first", "\"\xEF\xBB\xBFx\"\r\n\xEF\xBB\xBFx\r\n"_ba, "t", u"\uFEFFx|\uFEFFx"_s,
            true);
        row("BOM bytes in Windows-1252", "\"\xEF\xBB\xBF\xE2\"\r\n"_ba, "t",
            u"\u00EF\u00BB\u00BF\u00E2"_s, true);
        row("UTF-16 BOM bytes in Windows-1252", "\"\xFE\xFFx\"\r\n"_ba, "t", u"þÿx"_s, true);
    }
    void files()
    {
        QFETCH(QByteArray, file);
        QFETCH(QList<Holder>, holders);
        QFETCH(QStringList, texts);
        QFETCH(bool, written);
        for (const qint64 step : {qint64(1) << 30, qint64(1)}) {
            Trickle device(file, step);
            const ReadResult result = read(device, holders);
            QVERIFY(!result.error);
            QCOMPARE(result.values, texts);
        }
        if (written)
            QCOMPARE(write(texts, holders), file);
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
        Trickle failing("a\r\nb"_ba, 1, 3);
        const ReadResult broken = read(failing, QList<Holder>(2, Holder::Text));
        QVERIFY(broken.error && broken.error->kind == ReadError::Kind::Unreadable);
        QCOMPARE(broken.error->line, 2);
        QCOMPARE(broken.values, QStringList {"a"});

        Trickle shortLines("Wrestler\r\n"_ba.repeated(300'000));
        QCOMPARE(read(shortLines, QList<Holder>(62, Holder::Text)).values,
                 QStringList(62, u"Wrestler"_s));
        QVERIFY(shortLines.pos() < 1'000'000);

        Trickle oneLine(QByteArray(10'000'000, 'x'));
        const ReadResult refused = read(oneLine, {Holder::Text});
        QVERIFY(refused.error && refused.error->kind == ReadError::Kind::ValueTooLong);
        QVERIFY(oneLine.pos() <= MaxValueBytes + 128 * 1024);
    }
};

QTEST_GUILESS_MAIN(TestBracketFile)
#include "tst_bracketfile.moc"
