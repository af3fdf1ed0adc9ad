// SPDX-License-Identifier: GPL-3.0-or-later
#include "fontbook.h"

#include <QFontDatabase>
#include <QFontMetrics>

#include <algorithm>
#include <array>

namespace {

// Windows has the faces the windows name, and puts its own successors in for the old ones (such as
// MS Sans Serif); elsewhere they stand in for faces the machine lacks.
#ifdef Q_OS_WIN
constexpr bool SystemHasNamedFaces = true;
#else
constexpr bool SystemHasNamedFaces = false;
#endif

bool isSerif(const QString &family)
{
    return family == QLatin1String("Times New Roman");
}

} // namespace

bool FontBook::installed(const QString &family)
{
    if (m_installed.isEmpty()) {
        const QStringList families = QFontDatabase::families();
        m_installed = QSet<QString>(families.begin(), families.end());
    }
    return m_installed.contains(family);
}

QFont FontBook::font(const char *family, qreal points, bool bold)
{
    const Key key {family, points, bold};
    if (auto it = m_fonts.constFind(key); it != m_fonts.constEnd())
        return *it;
    QFont result(resolve(QString::fromLatin1(family)));
    result.setPointSizeF(points);
    result.setBold(bold);
    if (qstrcmp(family, "Arial Black") == 0)
        result.setWeight(QFont::Black);
    // Loading the face now ties it to this font for the whole run. Otherwise Qt lets the face go
    // when the last window that showed it is closed, and opening the next window loads it again.
    QFontMetrics(result).height();
    return *m_fonts.insert(key, result);
}

QString FontBook::resolve(const QString &family)
{
    if (auto it = m_families.constFind(family); it != m_families.constEnd())
        return *it;
    static constexpr std::array<const char *, 2> Serifs {"Liberation Serif", "DejaVu Serif"};
    static constexpr std::array<const char *, 2> Sans {"Liberation Sans", "DejaVu Sans"};
    QString chosen = family;
    if (!SystemHasNamedFaces && !installed(family)) {
        const auto &fallbacks = isSerif(family) ? Serifs : Sans;
        const auto found = std::find_if(fallbacks.begin(), fallbacks.end(), [this](const char *f) {
            return installed(QString::fromLatin1(f));
        });
        chosen = found != fallbacks.end()
                ? QString::fromLatin1(*found)
                : QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    }
    m_families.insert(family, chosen);
    return chosen;
}
