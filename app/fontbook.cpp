#include "fontbook.h"

#include <QFontDatabase>

namespace {

bool isSerif(const QString &family)
{
    return family == QLatin1String("Times New Roman");
}

QString firstAvailable(std::initializer_list<const char *> families, const QString &otherwise)
{
    for (const char *family : families) {
        const QString name = QString::fromLatin1(family);
        if (QFontDatabase::hasFamily(name))
            return name;
    }
    return otherwise;
}

} // namespace

QFont FontBook::font(const char *family, qreal points, bool bold)
{
    QFont result(resolve(QString::fromLatin1(family)));
    result.setPointSizeF(points);
    result.setBold(bold);
    if (qstrcmp(family, "Arial Black") == 0)
        result.setWeight(QFont::Black);
    return result;
}

QString FontBook::resolve(const QString &family)
{
    if (auto it = m_families.constFind(family); it != m_families.constEnd())
        return *it;
    QString chosen;
    if (QFontDatabase::hasFamily(family)) {
        chosen = family;
    } else {
        const QString system = QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
        chosen = isSerif(family) ? firstAvailable({"Liberation Serif", "DejaVu Serif"}, system)
                                 : firstAvailable({"Liberation Sans", "DejaVu Sans"}, system);
    }
    m_families.insert(family, chosen);
    return chosen;
}
