// SPDX-License-Identifier: GPL-3.0-or-later
#include "safesave.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>

#ifdef Q_OS_UNIX
#    include <fcntl.h>
#    include <unistd.h>
#endif

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
                        .arg(error, QString::number(written), QString::number(bytes.size()));
    return false;
}

// Opening a pipe that no program reads from would wait for one for ever.
bool openSpecial(QFile &file, QString &error)
{
#ifdef Q_OS_UNIX
    const int fd = ::open(QFile::encodeName(file.fileName()).constData(),
                          O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        error = errno == ENXIO
                ? QCoreApplication::translate("SafeSave", "It is a pipe that no program reads.")
                : QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (file.open(fd, QIODevice::WriteOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle))
        return true;
    ::close(fd);
#else
    if (file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return true;
#endif
    error = file.errorString();
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
        if (!openSpecial(file, error))
            return false;
        return writeWhole(file, bytes, error);
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
