// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QHash>
#include <QSet>
#include <QString>

// Turns the font names the windows ask for into fonts this machine has. Decorative faces the
// machine lacks become a sans-serif face of the same size and weight; each name is looked up
// once, not once per widget, and against one list of the machine's families: asking the font
// database about each name runs fontconfig's substitution rules, the slowest part of start-up.
class FontBook
{
public:
    QFont font(const char *family, qreal points, bool bold);

private:
    QString resolve(const QString &family);
    bool installed(const QString &family);

    QHash<QString, QString> m_families;
    // Widgets that share a look share one font, so Qt finds its glyphs cached.
    struct Key
    {
        const char *family; // the looks' own names: few, and never freed
        qreal points;
        bool bold;
        bool operator==(const Key &) const = default;
        friend size_t qHash(const Key &key, size_t seed = 0)
        {
            return qHashMulti(seed, key.family, key.points, key.bold);
        }
    };
    QHash<Key, QFont> m_fonts;
    QSet<QString> m_installed; // filled on the first lookup
};
