// SPDX-License-Identifier: GPL-3.0-or-later
#include "readfile.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

ReadFile::Result ReadFile::read(const QString &path, qint64 limit)
{
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return {{}, Problem::NotAFile, {}};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {{}, Problem::CannotRead, file.errorString()};
    // No further than the size it had when it was looked at, plus a byte to tell that it is over
    // the limit or grew since: asking for more would make room for it all first.
    Result result {file.read(std::min(info.size(), limit) + 1), Problem::None, {}};
    if (file.error() != QFileDevice::NoError)
        return {{}, Problem::CannotRead, file.errorString()};
    if (result.bytes.size() > limit)
        result.problem = Problem::TooLarge;
    return result;
}
