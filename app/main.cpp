// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs.h"
#include "journal.h"
#include "shell.h"
#include "windowlist.h"

#include <QApplication>
#include <QDir>
#include <QStandardPaths>
#include <QStyleFactory>

#include <cstdio>
#include <cstring>

namespace {

// Without a display Qt would abort with a message few users understand; say what to do instead.
// Windows always has its desktop.
bool displayAvailable()
{
#ifdef Q_OS_WIN
    return true;
#else
    return qEnvironmentVariableIsSet("QT_QPA_PLATFORM") || qEnvironmentVariableIsSet("DISPLAY")
            || qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
#endif
}

// The pictures an installation ships, found from the program's own folder so that a package
// unpacked anywhere (not only under /usr) shows them.
QString installedDataFolder()
{
    return QDir::cleanPath(QDir(QCoreApplication::applicationDirPath())
                                   .absoluteFilePath(QStringLiteral(KAYFABE_DATA_FROM_BIN)));
}

} // namespace

int main(int argc, char *argv[])
{
    // Answered before Qt starts, so that it works without a display.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::fputs("Kayfabe Kit " KAYFABE_VERSION "\n", stdout);
            return 0;
        }
    }
    if (!displayAvailable()) {
        std::fputs("kayfabe-kit: no display to show its windows on. Start it from a desktop "
                   "session, under Xvfb (xvfb-run ./run), or with QT_QPA_PLATFORM=offscreen.\n",
                   stderr);
        return 1;
    }
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kayfabe Kit"));
    QApplication::setApplicationVersion(QStringLiteral(KAYFABE_VERSION));
    // Lets the desktop group the windows under the program's entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(KAYFABE_APP_ID));
    // The windows decide when the program ends: the sixteen-man board only hides the menu.
    QApplication::setQuitOnLastWindowClosed(false);

    SystemDialogs dialogs;
    Shell shell(dialogs, {installedDataFolder()});
    shell.setFolders({QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
                      QStandardPaths::writableLocation(QStandardPaths::PicturesLocation),
                      Journal::folder(QCoreApplication::arguments())});
    registerWindows(shell);
    QObject::connect(&shell.windows(), &WindowRegistry::programEnded, &app, &QApplication::quit,
                     Qt::QueuedConnection);
    shell.windows().show(WindowId::Main);
    return QApplication::exec();
}
