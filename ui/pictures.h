// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QPixmap>
#include <QString>

// Finds the pictures the windows show. A picture in the working directory's gfx folder wins, so
// users can dress the program up; then the installed data folder; then the copy built into the
// program, so a missing or unreadable file never keeps a window from opening.
class Pictures
{
public:
    // dataDirs: installed data folders to look in after the working directory.
    explicit Pictures(QStringList dataDirs = {});

    // path as the windows name it, with either slash: "gfx\\background.jpg", "gfx/banner.jpg".
    QPixmap load(const QString &path);

    // Where the picture of that name was found, for tests and messages.
    QString sourceOf(const QString &path);

private:
    struct Found
    {
        QPixmap pixmap;
        QString source;
    };
    const Found &find(const QString &path);

    QStringList m_dataDirs;
    QHash<QString, Found> m_cache;
};
