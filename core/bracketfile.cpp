// SPDX-License-Identifier: GPL-3.0-or-later
#include "bracketfile.h"

#include <QDate>
#include <QIODevice>
#include <QLocale>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QTime>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <utility>

namespace BracketFile {

namespace {

using Kind = ReadError::Kind;

// Bytes 0x80 to 0x9F of Windows-1252. The five bytes the code page leaves undefined stand for the
// control character of the same number, so every byte decodes and encodes back to itself.
constexpr std::array<char16_t, 32> Windows1252High = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, //
        0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, //
        0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, //
        0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, //
};

QString fromWindows1252(const QByteArray &bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const uchar byte = uchar(bytes.at(i));
        const bool high = byte >= 0x80 && byte < 0xA0;
        text[i] = high ? Windows1252High[byte - 0x80] : char16_t(byte);
    }
    return text;
}

// -1 when Windows-1252 has no byte for the character.
int windows1252Byte(QChar c)
{
    const char16_t unit = c.unicode();
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF))
        return unit;
    const auto found = std::find(Windows1252High.begin(), Windows1252High.end(), unit);
    return found == Windows1252High.end() ? -1 : 0x80 + int(found - Windows1252High.begin());
}

std::optional<QByteArray> toWindows1252(const QString &text)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int byte = windows1252Byte(text.at(i));
        if (byte < 0)
            return std::nullopt;
        bytes[i] = char(byte);
    }
    return bytes;
}

std::optional<QString> fromStrictUtf8(const QByteArray &bytes)
{
    // A U+FEFF opening a value is a character: only the file's first bytes can be a byte-order
    // mark, and those are skipped before any value is decoded.
    QStringDecoder utf8(QStringDecoder::Utf8,
                        QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        return std::nullopt;
    return text;
}

// Old files are Windows-1252, whose non-ASCII text is almost never valid UTF-8 by chance.
QString decodeValue(const QByteArray &bytes)
{
    if (std::optional<QString> text = fromStrictUtf8(bytes))
        return *text;
    return fromWindows1252(bytes);
}

// Formats like C's "%.15G", ties going to the even digit; QString::number rounds ties away from
// zero and so disagrees on numbers such as 100000000000000.5.
QString numberText(double number)
{
    if (number == 0)
        number = 0; // no "-0"
    std::array<char, 32> buffer {};
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), number,
                                   std::chars_format::general, 15)
                             .ptr;
    return QString::fromLatin1(buffer.data(), end - buffer.data()).toUpper();
}

std::optional<QString> decimalNumberText(const QString &value)
{
    static const QRegularExpression decimal(QRegularExpression::anchoredPattern(
            QStringLiteral("[+-]?([0-9]+\\.?[0-9]*|\\.[0-9]+)([Ee][+-]?[0-9]+)?")));
    if (!decimal.match(value).hasMatch())
        return std::nullopt;
    bool ok = false;
    const double number = value.toDouble(&ok);
    // toDouble fails with an infinity on overflow, and with zero on underflow, which is still
    // a number: the nearest double is zero.
    if (!ok && std::isinf(number))
        return std::nullopt;
    return numberText(ok ? number : 0.0);
}

std::optional<QString> dateText(const QString &inner)
{
    static const QRegularExpression pattern(QRegularExpression::anchoredPattern(QStringLiteral(
            "([0-9]{4})-([0-9]{2})-([0-9]{2})(?: ([0-9]{2}):([0-9]{2}):([0-9]{2}))?")));
    const QRegularExpressionMatch match = pattern.match(inner);
    if (!match.hasMatch())
        return std::nullopt;
    const auto number = [&match](int group) { return match.captured(group).toInt(); };
    const QDate date(number(1), number(2), number(3));
    if (!date.isValid())
        return std::nullopt;
    const QLocale locale;
    const QString dateOnly = locale.toString(date, QLocale::ShortFormat);
    if (!match.hasCaptured(4))
        return dateOnly;
    const QTime time(number(4), number(5), number(6));
    if (!time.isValid())
        return std::nullopt;
    return dateOnly + QLatin1Char(' ') + locale.toString(time, QLocale::ShortFormat);
}

std::optional<QString> literalText(const QString &inner)
{
    if (inner.compare(QLatin1String("TRUE"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("True");
    if (inner.compare(QLatin1String("FALSE"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("False");
    return dateText(inner);
}

// ---- Reading ----

constexpr qint64 ChunkSize = 64 * 1024;
constexpr char Utf8Bom[] = "\xEF\xBB\xBF";

// Notepad and Excel save "Unicode" text as UTF-16 behind a byte-order mark.
std::optional<QStringDecoder::Encoding> utf16Of(QByteArrayView bytes)
{
    if (bytes.startsWith("\xFF\xFE"))
        return QStringDecoder::Utf16LE;
    if (bytes.startsWith("\xFE\xFF"))
        return QStringDecoder::Utf16BE;
    return std::nullopt;
}

// UTF-16 read a chunk at a time into UTF-8, which the reader reads: a character cut by the end of
// a chunk waits for the rest of it.
class Utf16ToUtf8
{
public:
    explicit Utf16ToUtf8(QStringDecoder::Encoding encoding)
        : m_bigEndian(encoding == QStringDecoder::Utf16BE)
    { }

    QByteArray next(QByteArrayView bytes, bool last)
    {
        const QByteArray raw = m_rest + bytes;
        qsizetype units = raw.size() / 2;
        if (!last && units > 0 && QChar::isHighSurrogate(unit(raw, units - 1)))
            --units;
        QString text(units, Qt::Uninitialized);
        for (qsizetype i = 0; i < units; ++i)
            text[i] = QChar(unit(raw, i));
        m_rest = raw.mid(units * 2);
        return text.toUtf8();
    }

private:
    char16_t unit(const QByteArray &raw, qsizetype i) const
    {
        const auto first = uchar(raw[2 * i]), second = uchar(raw[2 * i + 1]);
        return m_bigEndian ? char16_t(first << 8 | second) : char16_t(second << 8 | first);
    }

    bool m_bigEndian;
    QByteArray m_rest;
};
// No character takes more than four bytes in either encoding a file may be in.
constexpr qint64 MaxValueBytes = 4 * qint64(MaxValueLength);

// What peek() and takeLineByte() return instead of a byte.
constexpr int NoByte = -1; // the end of the data, or of the value's part of the line
constexpr int Stopped = -2; // an error was recorded

struct Value
{
    QString text;
    bool quoted = false;
};

enum class Step { Value, End, Stopped };

bool isSeparator(int byte)
{
    return byte == ',' || byte == '\r' || byte == '\n';
}

class Reader
{
public:
    explicit Reader(QIODevice &device) : m_device(device) { }

    bool start();
    Step next(Value &value);
    Kind error() const { return m_error.value_or(Kind::TooFewValues); }
    qint64 line() const { return m_line; }

private:
    bool readChunk();
    int peek();
    void advance();
    bool takeValueByte();
    int takeLineByte();
    bool readBody(QByteArray &bytes, bool &quoted);
    bool skipSpaces();
    bool readQuoted(QByteArray &bytes);
    bool readUnquoted(QByteArray &bytes);
    bool skipRestOfValue();
    void takeSeparator();
    bool fail(Kind kind);

    QIODevice &m_device;
    std::optional<Utf16ToUtf8> m_utf16; // a file saved as "Unicode"
    QByteArray m_buffer; // the unread rest of the current chunk starts at m_pos
    qsizetype m_pos = 0;
    bool m_deviceDone = false;
    std::optional<Kind> m_error;
    qint64 m_line = 1;
    bool m_afterCr = false;
    bool m_afterComma = false;
    qint64 m_valueBytes = 0;
};

bool Reader::fail(Kind kind)
{
    m_error = kind;
    return false;
}

// Appends the next chunk to the unread bytes; false when the device has no more or fails.
bool Reader::readChunk()
{
    if (m_deviceDone)
        return false;
    m_buffer.remove(0, m_pos);
    m_pos = 0;
    const qsizetype kept = m_buffer.size();
    m_buffer.resize(kept + ChunkSize);
    const qint64 got = m_device.read(m_buffer.data() + kept, ChunkSize);
    m_buffer.resize(kept + std::max<qint64>(got, 0));
    m_deviceDone = got <= 0;
    if (got < 0)
        return fail(Kind::Unreadable);
    if (m_utf16)
        m_buffer = m_buffer.left(kept)
                + m_utf16->next(QByteArrayView(m_buffer).sliced(kept), m_deviceDone);
    // A chunk of UTF-16 may end inside a character and bring no byte yet.
    return !m_deviceDone || m_buffer.size() > kept;
}

int Reader::peek()
{
    if (m_error)
        return Stopped;
    while (m_pos == m_buffer.size()) {
        if (!readChunk())
            return m_error ? Stopped : NoByte;
    }
    const char byte = m_buffer.at(m_pos);
    if (byte == '\0') {
        fail(Kind::NotText);
        return Stopped;
    }
    return uchar(byte);
}

void Reader::advance()
{
    const char byte = m_buffer.at(m_pos++);
    if (byte == '\r' || (byte == '\n' && !m_afterCr))
        ++m_line;
    m_afterCr = byte == '\r';
}

// Counts every byte of a value, kept or skipped, so that one endless line is refused early.
bool Reader::takeValueByte()
{
    if (++m_valueBytes > MaxValueBytes)
        return fail(Kind::ValueTooLong);
    advance();
    return true;
}

// Takes the next byte before the separator; NoByte at a separator or the end of the data.
int Reader::takeLineByte()
{
    const int byte = peek();
    if (byte < 0 || isSeparator(byte))
        return byte == Stopped ? Stopped : NoByte;
    return takeValueByte() ? byte : Stopped;
}

bool Reader::start()
{
    while (m_buffer.size() < 3 && readChunk()) { }
    if (m_buffer.startsWith(Utf8Bom))
        m_pos = 3;
    if (const std::optional<QStringDecoder::Encoding> utf16 = utf16Of(m_buffer)) {
        // The rest goes through the same converter, chunk by chunk.
        m_utf16.emplace(*utf16);
        m_buffer = m_utf16->next(QByteArrayView(m_buffer).sliced(2), m_deviceDone);
    }
    const int first = peek();
    return first == NoByte ? fail(Kind::Empty) : first != Stopped;
}

Step Reader::next(Value &value)
{
    m_valueBytes = 0;
    if (m_afterCr && peek() == '\n')
        advance();
    const int first = peek();
    if (first == Stopped)
        return Step::Stopped;
    if (first == NoByte) {
        // A comma promises one more value; a line end right before the end of the file does not.
        value = {};
        return std::exchange(m_afterComma, false) ? Step::Value : Step::End;
    }
    QByteArray bytes;
    if (!readBody(bytes, value.quoted))
        return Step::Stopped;
    value.text = decodeValue(bytes);
    if (value.text.size() > MaxValueLength) {
        fail(Kind::ValueTooLong);
        return Step::Stopped;
    }
    takeSeparator();
    return Step::Value;
}

bool Reader::readBody(QByteArray &bytes, bool &quoted)
{
    if (!skipSpaces())
        return false;
    quoted = peek() == '"';
    if (!quoted)
        return readUnquoted(bytes);
    return takeValueByte() && readQuoted(bytes) && skipRestOfValue();
}

bool Reader::skipSpaces()
{
    int byte;
    while ((byte = peek()) == ' ') {
        if (!takeValueByte())
            return false;
    }
    return byte != Stopped;
}

// Runs to the closing quote, or to the end of the data when the quote is never closed.
bool Reader::readQuoted(QByteArray &bytes)
{
    for (;;) {
        const int byte = peek();
        if (byte < 0)
            return byte == NoByte;
        if (!takeValueByte())
            return false;
        if (byte == '"') {
            const int following = peek();
            if (following != '"')
                return following != Stopped;
            if (!takeValueByte())
                return false;
        }
        bytes.append(char(byte));
    }
}

bool Reader::readUnquoted(QByteArray &bytes)
{
    int byte;
    while ((byte = takeLineByte()) >= 0) {
        if (byte != '"')
            bytes.append(char(byte));
    }
    while (bytes.endsWith(' '))
        bytes.chop(1);
    return byte != Stopped;
}

bool Reader::skipRestOfValue()
{
    int byte;
    while ((byte = takeLineByte()) >= 0) { }
    return byte != Stopped;
}

// Never looks past a CR for its LF: the value just read may be the last one wanted.
void Reader::takeSeparator()
{
    const int byte = peek();
    m_afterComma = byte == ',';
    if (byte >= 0)
        advance();
}

QString holderText(const Value &value, Holder holder)
{
    return holder == Holder::Typed && !value.quoted ? typedText(value.text) : value.text;
}

// ---- Writing ----

bool needsQuotes(const QString &text, Holder holder)
{
    const auto separatorOrQuote
            = [](QChar c) { return c == u',' || c == u'"' || c == u'\r' || c == u'\n'; };
    if (std::any_of(text.cbegin(), text.cend(), separatorOrQuote))
        return true;
    if (text.startsWith(QLatin1Char(' ')) || text.endsWith(QLatin1Char(' ')))
        return true;
    return holder == Holder::Typed && typedText(text) != text;
}

QString quoted(const QString &text)
{
    QString doubled = text;
    doubled.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + doubled + QLatin1Char('"');
}

// The reader takes a value's bytes for UTF-8 whenever they are valid UTF-8, so Windows-1252 can
// only be written when no text's bytes would be misread that way.
bool readsBackAsWindows1252(const QString &text)
{
    const std::optional<QByteArray> bytes = toWindows1252(text);
    if (!bytes)
        return false;
    const bool ascii
            = std::all_of(bytes->cbegin(), bytes->cend(), [](char b) { return uchar(b) < 0x80; });
    return ascii || !fromStrictUtf8(*bytes);
}

} // namespace

ReadResult read(QIODevice &device, const QList<Holder> &holders)
{
    ReadResult result;
    if (holders.isEmpty())
        return result;
    Reader reader(device);
    bool reading = reader.start();
    while (reading && result.values.size() < holders.size()) {
        Value value;
        reading = reader.next(value) == Step::Value;
        if (reading)
            result.values.append(holderText(value, holders.at(result.values.size())));
    }
    if (!reading) {
        const int found = int(result.values.size());
        result.error
                = ReadError {reader.error(), found, int(holders.size()), found + 1, reader.line()};
    }
    return result;
}

QByteArray write(const QStringList &texts, const QList<Holder> &holders)
{
    Q_ASSERT(texts.size() == holders.size());
    const bool windows1252 = std::all_of(texts.cbegin(), texts.cend(), readsBackAsWindows1252);
    const auto encoded = [windows1252](const QString &line) {
        return windows1252 ? *toWindows1252(line) : line.toUtf8();
    };
    QByteArray file;
    for (qsizetype i = 0; i < texts.size(); ++i) {
        const QString &text = texts.at(i);
        QByteArray line = encoded(needsQuotes(text, holders.at(i)) ? quoted(text) : text);
        // Bytes that open the file like a byte-order mark would be read as one: a first name
        // such as U+FEFF, or "\u00EF\u00BB\u00BF" or "\u00FF\u00FE" in Windows-1252.
        if (i == 0 && (line.startsWith(Utf8Bom) || utf16Of(line)))
            line = encoded(quoted(text));
        file += line;
        file += "\r\n";
    }
    return file;
}

bool canStore(const QString &text)
{
    if (text.size() > MaxValueLength)
        return false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isNull())
            return false;
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        else if (c.isSurrogate())
            return false;
    }
    return true;
}

QString decode(const QByteArray &bytes)
{
    return decodeValue(bytes);
}

QString decodeText(const QByteArray &bytes)
{
    if (const std::optional<QStringDecoder::Encoding> utf16 = utf16Of(bytes)) {
        QStringDecoder decoder(*utf16, QStringDecoder::Flag::ConvertInitialBom);
        return decoder.decode(QByteArrayView(bytes).sliced(2));
    }
    return decodeValue(bytes.startsWith(Utf8Bom) ? bytes.mid(3) : bytes);
}

QString typedText(const QString &value)
{
    const bool hashed = value.size() >= 2 && value.startsWith(QLatin1Char('#'))
            && value.endsWith(QLatin1Char('#'));
    if (hashed)
        return literalText(value.mid(1, value.size() - 2)).value_or(value);
    return decimalNumberText(value).value_or(value);
}

} // namespace BracketFile
