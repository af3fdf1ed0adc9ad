#pragma once

#include <QFont>
#include <QHash>
#include <QString>

// Turns the font names the windows ask for into fonts this machine has. Decorative faces the
// machine lacks become a sans-serif face of the same size and weight; each name is looked up
// once, not once per widget, since a lookup in the font database is slow.
class FontBook
{
public:
    QFont font(const char *family, qreal points, bool bold);

private:
    QString resolve(const QString &family);

    QHash<QString, QString> m_families;
};
