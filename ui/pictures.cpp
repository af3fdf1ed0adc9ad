// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>

#include <QtGlobal>

namespace {

QString normalised(const QString &path)
{
    QString result = path;
    result.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return result;
}

bool readPicture(const QString &file, QPixmap &into)
{
    QImageReader reader(file);
    const QImage image = reader.read();
    if (image.isNull())
        return false;
    into = QPixmap::fromImage(image);
    return true;
}

} // namespace

Pictures::Pictures(QStringList dataDirs) : m_dataDirs(std::move(dataDirs)) { }

QPixmap Pictures::load(const QString &path)
{
    return find(path).pixmap;
}

QString Pictures::sourceOf(const QString &path)
{
    return find(path).source;
}

const Pictures::Found &Pictures::find(const QString &path)
{
    // Pictures are decoded once per run: windows are built again and again as users move
    // between them, and decoding a JPEG each time would be most of a window's opening time.
    const QString relative = normalised(path);
    if (auto it = m_cache.constFind(relative); it != m_cache.constEnd())
        return *it;

    Found found;
    QStringList candidates {QDir::current().filePath(relative)};
    for (const QString &dir : m_dataDirs)
        candidates << QDir(dir).filePath(relative);
    for (const QString &candidate : candidates) {
        if (readPicture(candidate, found.pixmap)) {
            found.source = candidate;
            break;
        }
    }
    if (found.source.isEmpty()) {
        const QString builtIn = QStringLiteral(":/") + relative;
        readPicture(builtIn, found.pixmap);
        found.source = builtIn;
        qWarning("kayfabe-kit: no readable picture %s in %s; using the built-in one",
                 qPrintable(relative), qPrintable(QDir::currentPath()));
    }
    return *m_cache.insert(relative, found);
}
