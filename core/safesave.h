// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

namespace SafeSave {

// Writes a file whole or not at all: the old file keeps its content until the new one is
// completely written, so a full disk or a failure part-way never leaves half a file. A device
// or pipe named as the file is written into as it is. On failure, error says why.
bool write(const QString &path, const QByteArray &bytes, QString &error);

} // namespace SafeSave
