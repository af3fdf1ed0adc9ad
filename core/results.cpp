// SPDX-License-Identifier: GPL-3.0-or-later
#include "results.h"

#include <QFileInfo>

#include <algorithm>

using Results::Bout;
using Results::Format;

namespace {

// How a format writes each part of the report. Round names and the words between names are the
// program's own and need no escaping in any format; names and the heading are escaped.
struct Style
{
    QString (*escape)(const QString &); // the heading
    QString (*name)(const QString &); // a name among the results
    const char *heading; // %1: the heading
    const char *roundStart; // %1: the round's name
    const char *roundEnd;
    const char *line; // %1: the bout
    const char *winner; // %1: the winner's name
    const char *champion; // %1: the champion's name
    const char *end;
    const char *standingsStart; // %1: the block's name
    const char *standing; // %1 to %5: name, wins, losses, draws, points; none: a line in words
    const char *standingsEnd;
};

// Every ASCII punctuation character gets a backslash, so a name makes no link, heading,
// emphasis, tag or entity.
QString markdownEscaped(const QString &text)
{
    static const QString punctuation = QStringLiteral("!\"#$%&'()*+,-./:;<=>?@[\\]^_`{|}~");
    QString escaped;
    escaped.reserve(text.size() * 2);
    for (QChar c : text) {
        if (punctuation.contains(c))
            escaped += u'\\';
        escaped += c;
    }
    return escaped;
}

// An empty tag pair after every "[" of a name keeps a forum's parser from reading a tag there,
// whether or not it knows [noparse]. Italics, which nothing else here uses, so that a simple
// parser pairing tags by their names cannot pair it with the bold around a winner.
QString bbcodeEscaped(const QString &text)
{
    return QString(text).replace(u'[', QStringLiteral("[[i][/i]"));
}

QString htmlEscaped(const QString &text)
{
    return text.toHtmlEscaped().replace(u'\'', QStringLiteral("&#39;"));
}

bool isBidiControl(QChar c)
{
    const char16_t u = c.unicode();
    return u == 0x061C || u == 0x200E || u == 0x200F || (u >= 0x202A && u <= 0x202E)
            || (u >= 0x2066 && u <= 0x2069);
}

// A name that holds bidirectional controls is isolated, so that it can reorder only itself: its
// own isolates are closed at its end, and each of its closers without an opener meets an opener
// of ours first.
QString isolated(const QString &text)
{
    if (std::none_of(text.cbegin(), text.cend(), isBidiControl))
        return text;
    constexpr char16_t FirstStrongIsolate = 0x2068, PopIsolate = 0x2069;
    qsizetype open = 0, strayClosers = 0;
    for (const QChar c : text) {
        if (c.unicode() >= 0x2066 && c.unicode() <= 0x2068)
            ++open;
        else if (c.unicode() == PopIsolate)
            open > 0 ? --open : ++strayClosers;
    }
    return QString(strayClosers + 1, QChar(FirstStrongIsolate)) + text
            + QString(open + 1, QChar(PopIsolate));
}

QString markdownText(const QString &text)
{
    return isolated(markdownEscaped(text));
}

QString bbcodeText(const QString &text)
{
    return isolated(bbcodeEscaped(text));
}

QString htmlText(const QString &text)
{
    return htmlEscaped(isolated(text));
}

// The page isolates a name in an element as well, which no character inside it can undo.
QString htmlName(const QString &text)
{
    const QString escaped = htmlEscaped(text);
    const QString inIsolation = htmlText(text);
    return inIsolation.size() == escaped.size()
            ? escaped
            : QStringLiteral("<bdi>") + inIsolation + QStringLiteral("</bdi>");
}

// A page of its own: nothing from outside, no scripts, readable on a phone and on paper.
constexpr const char *PageStart = R"(<!DOCTYPE html>
<html lang="en">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<title>%1</title>
<style>
body { font-family: system-ui, sans-serif; line-height: 1.45; color: #111; background: #fff;
       max-width: 42em; margin: 0 auto; padding: 1em; overflow-wrap: anywhere; }
h1 { font-size: 1.6em; margin: 0 0 .4em; }
h2 { font-size: 1.15em; margin: 1.2em 0 .3em; border-bottom: 1px solid #bbb; }
ul { margin: 0; padding-left: 1.3em; }
table { border-collapse: collapse; }
th, td { padding: .15em .6em; border-bottom: 1px solid #ddd; }
th { text-align: left; } td + td, th + th { text-align: right; }
.champion { display: inline-block; margin-top: 1.2em; padding: .4em .8em; font-size: 1.3em;
            font-weight: bold; background: #ffe680; border: 2px solid #b38f00; }
@media print { body { max-width: none; } section { break-inside: avoid; } }
</style>
</head>
<body>
<h1>%1</h1>
)";

const Style &styleOf(Format format)
{
    static const Style styles[] = {
            {isolated, isolated, "%1\n", "\n%1\n", "", "%1\n", "%1", "\nChampion: %1\n", "",
             "\n%1\n", nullptr, ""},
            {markdownText, markdownText, "# %1\n", "\n## %1\n\n", "", "- %1\n", "**%1**",
             "\n**Champion: %1**\n", "",
             "\n## %1\n\n| Wrestler | Wins | Losses | Draws | Points |\n"
             "| --- | ---: | ---: | ---: | ---: |\n",
             "| %1 | %2 | %3 | %4 | %5 |\n", ""},
            {bbcodeText, bbcodeText, "[b]%1[/b]\n", "\n[u]%1[/u]\n", "", "%1\n", "[b]%1[/b]",
             "\n[b]Champion: %1[/b]\n", "", "\n[u]%1[/u]\n", nullptr, ""},
            {htmlText, htmlName, PageStart, "<section>\n<h2>%1</h2>\n<ul>\n", "</ul>\n</section>\n",
             "<li>%1</li>\n", "<strong>%1</strong>", "<p class=\"champion\">Champion: %1</p>\n",
             "</body>\n</html>\n",
             "<section>\n<h2>%1</h2>\n<table>\n<thead>\n<tr><th>Wrestler</th><th>Wins</th>"
             "<th>Losses</th><th>Draws</th><th>Points</th></tr>\n</thead>\n<tbody>\n",
             "<tr><td>%1</td><td>%2</td><td>%3</td><td>%4</td><td>%5</td></tr>\n",
             "</tbody>\n</table>\n</section>\n"},
    };
    return styles[static_cast<int>(format)];
}

QString boutText(const Bout &bout, const Style &style)
{
    const QString first = style.name(bout.first), second = style.name(bout.second);
    switch (bout.outcome) {
    case Results::Outcome::Won:
        return QString::fromUtf8(style.winner).arg(first) + QStringLiteral(" def. ") + second;
    case Results::Outcome::Drawn:
        return first + QStringLiteral(" and ") + second + QStringLiteral(" drew");
    case Results::Outcome::Undecided:
        break;
    }
    return first + QStringLiteral(" vs. ") + second;
}

// "1 win", "2 losses", "0 draws".
QString counted(int count, const char *one, const char *many)
{
    return QString::number(count) + u' ' + QLatin1String(count == 1 ? one : many);
}

QString standingsText(const Results::Standings &standings, const Style &style)
{
    QString text = QString::fromUtf8(style.standingsStart).arg(style.escape(standings.name));
    int place = 0;
    for (const Results::Standing &row : standings.rows) {
        const QString name = style.name(row.name);
        if (style.standing) {
            text += QString::fromUtf8(style.standing)
                            .arg(name, QString::number(row.wins), QString::number(row.losses),
                                 QString::number(row.draws), QString::number(row.points));
            continue;
        }
        text += QStringLiteral("%1. %2 (%3, %4, %5): %6\n")
                        .arg(QString::number(++place), name, counted(row.wins, "win", "wins"),
                             counted(row.losses, "loss", "losses"),
                             counted(row.draws, "draw", "draws"),
                             counted(row.points, "point", "points"));
    }
    return text + QString::fromUtf8(style.standingsEnd);
}

} // namespace

QString Results::write(const Report &report, Format format)
{
    const Style &style = styleOf(format);
    auto part = [](const char *pattern, const QString &text) {
        return QString::fromUtf8(pattern).arg(text);
    };
    QString text = part(style.heading, style.escape(report.heading));
    for (const Round &round : report.rounds) {
        text += part(style.roundStart, round.name);
        for (const Bout &bout : round.bouts)
            text += part(style.line, boutText(bout, style));
        text += QString::fromUtf8(style.roundEnd);
    }
    if (!report.champion.isEmpty())
        text += part(style.champion, style.name(report.champion));
    for (const Standings &standings : report.standings)
        text += standingsText(standings, style);
    return text + QString::fromUtf8(style.end);
}

Results::Format Results::formatOf(const QString &fileName)
{
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == u"html" || suffix == u"htm")
        return Format::Html;
    if (suffix == u"md")
        return Format::Markdown;
    if (suffix == u"bbcode")
        return Format::BBCode;
    return Format::PlainText;
}

QString Results::extensionOf(Format format)
{
    static const char *const extensions[] = {".txt", ".md", ".bbcode", ".html"};
    return QLatin1String(extensions[static_cast<int>(format)]);
}

bool Results::namesAFormat(const QString &fileName)
{
    static const QStringList known {QStringLiteral("html"), QStringLiteral("htm"),
                                    QStringLiteral("md"), QStringLiteral("bbcode"),
                                    QStringLiteral("txt")};
    return known.contains(QFileInfo(fileName).suffix().toLower());
}

QByteArray Results::fileBytes(const QString &text)
{
#ifdef Q_OS_WIN
    return QString(text).replace(u'\n', QStringLiteral("\r\n")).toUtf8();
#else
    return text.toUtf8();
#endif
}
