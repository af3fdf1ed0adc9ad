// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the bracket file reader and writer. The first byte picks the lines' holder kinds (one
// of the four boards' files, or a pattern taken from the next bytes); the rest is read as a file,
// and cut at NUL bytes into names that must come back unchanged through write and read. The rest
// is read as a round-robin file too, which, when it reads, must come back the same once written.
#include "boardlists.h"
#include "bracketfile.h"
#include "roundrobin.h"

#include <QBuffer>

#include <cstdio>
#include <cstdlib>

using namespace BracketFile;

namespace {

QList<Holder> pattern(QByteArrayView bits)
{
    QList<Holder> holders;
    for (qsizetype i = 0; i < std::min<qsizetype>(bits.size(), 8); ++i) {
        for (int bit = 0; bit < 8; ++bit)
            holders << ((uchar(bits[i]) >> bit) & 1 ? Holder::Typed : Holder::Text);
    }
    return holders.isEmpty() ? QList<Holder> {Holder::Typed} : holders;
}

void require(bool holds, const char *property)
{
    if (!holds) {
        std::fprintf(stderr, "property broken: %s\n", property);
        std::abort();
    }
}

void readIsWholeOrAPreciseError(const QByteArray &file, const QList<Holder> &holders)
{
    QBuffer buffer;
    buffer.setData(file);
    buffer.open(QIODevice::ReadOnly);
    const ReadResult result = read(buffer, holders);
    for (const QString &value : result.values)
        require(value.size() <= MaxValueLength, "no value is longer than the limit");
    if (!result.error) {
        require(result.values.size() == holders.size(), "a read without error gives N values");
        return;
    }
    const ReadError &error = *result.error;
    require(error.valuesNeeded == holders.size(), "the error names the values needed");
    require(error.valuesFound < error.valuesNeeded, "an error comes before the last value");
    require(result.values.size() == error.valuesFound, "the values before the error are kept");
    require(error.line >= 1, "the error names its line");
    require(error.kind != ReadError::Kind::Empty || error.valuesFound == 0, "empty means empty");
}

QStringList names(const QByteArray &data, qsizetype count, bool asUtf8)
{
    QStringList texts;
    for (const QByteArray &piece : data.split('\0')) {
        if (texts.size() == count)
            break;
        QString text = asUtf8 ? QString::fromUtf8(piece) : QString::fromLatin1(piece);
        texts << (canStore(text) ? text : QString());
    }
    while (texts.size() < count)
        texts << QString();
    return texts;
}

void writtenNamesComeBack(const QByteArray &data, const QList<Holder> &holders, bool asUtf8)
{
    const QStringList texts = names(data, holders.size(), asUtf8);
    QBuffer buffer;
    buffer.setData(write(texts, holders));
    buffer.open(QIODevice::ReadOnly);
    const ReadResult result = read(buffer, holders);
    require(!result.error, "a written file reads without error");
    require(result.values == texts, "every written name comes back unchanged");
}

void aRoundRobinReadComesBackWritten(const QByteArray &file)
{
    const RoundRobin::ReadResult result = RoundRobin::read(file);
    if (!result.file)
        return require(!result.error.isEmpty(), "a refused round robin says why");
    const RoundRobin::ReadResult again = RoundRobin::read(RoundRobin::write(*result.file));
    require(again.file && *again.file == *result.file, "a round robin read comes back written");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const uchar selector = data[0];
    const QByteArray rest(reinterpret_cast<const char *>(data) + 1, qsizetype(size) - 1);
    const QList<Holder> holders
            = selector & 0x80 ? pattern(rest) : boardLists().at(selector % 4).holders();
    readIsWholeOrAPreciseError(rest, holders);
    writtenNamesComeBack(rest, holders, selector & 0x40);
    aRoundRobinReadComesBackWritten(rest);
    return 0;
}
