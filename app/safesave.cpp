// SPDX-License-Identifier: GPL-3.0-or-later
#include "safesave.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>

namespace {

bool writeWhole(QFileDevice &file, const QByteArray &bytes, QString &error)
{
    // Unbuffered, so that a disk filling up mid-way shows as a short write here; a buffered
    // QSaveFile can take a short write at commit for success and replace a good file with half
    // of one.
    errno = 0;
    const qint64 written = file.write(bytes);
    if (written == bytes.size())
        return true;
    error = errno ? QString::fromLocal8Bit(std::strerror(errno)) : file.errorString();
    if (written >= 0)
        error = QCoreApplication::translate("SafeSave", "%1 (%2 of %3 bytes written)")
                        .arg(error)
                        .arg(written)
                        .arg(bytes.size());
    return false;
}

} // namespace

bool SafeSave::write(const QString &path, const QByteArray &bytes, QString &error)
{
    const QFileInfo target(path);
    if (target.isDir()) {
        error = QCoreApplication::translate("SafeSave", "It is a folder.");
        return false;
    }
    if (target.exists() && !target.isFile()) {
        // A device or pipe cannot be replaced by a new file; write into it as it is.
        QFile file(path);
        return file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)
                && writeWhole(file, bytes, error);
    }
    // The old file stays as it was until the new one is completely written.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        error = file.errorString();
        return false;
    }
    if (!writeWhole(file, bytes, error)) {
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        error = file.errorString();
        return false;
    }
    return true;
}
