#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a cross-built Windows program under Wine (Debian's wine64) with the Windows Qt's libraries
# and the compiler's on its path: CTest's emulator for the tests, and the packaging tests' runner.
# wine-run.sh [--bare] program.exe [arguments]
# WINEPREFIX names the Wine prefix (./package windows --test makes a fresh one in a temporary
# folder); a new prefix is set up on first use, asking for nothing and showing no crash dialog.
set -euo pipefail
qt=${KAYFABE_WINDOWS_QT:-${XDG_CACHE_HOME:-$HOME/.cache}/kayfabe-kit/qt-6.4.2-mingw64}
export WINEPREFIX=${WINEPREFIX:-${TMPDIR:-/tmp}/kayfabe-kit-wine-$(id -u)}
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEDEBUG=${WINEDEBUG:--all}
wine=/usr/lib/wine/wine64

mkdir -p "$WINEPREFIX"
(
    flock 9
    if [ ! -f "$WINEPREFIX/user.reg" ]; then
        "$wine" wineboot -i >/dev/null 2>&1
        "$wine" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f \
            >/dev/null 2>&1
        # Without an X display, Wine's null driver still gives Qt the windows it needs for its
        # event loop (the offscreen tests).
        if [ -z "${DISPLAY:-}" ]; then
            "$wine" reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1
        fi
        # Faces of the same widths as the Windows ones the windows name.
        "$wine" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Times New Roman' \
            /d 'Liberation Serif' /f >/dev/null 2>&1
        "$wine" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v Arial /d 'Liberation Sans' /f \
            >/dev/null 2>&1
        /usr/lib/wine/wineserver -w
    fi
    # The offscreen platform reads the fonts of one folder, not of its subfolders.
    if [ ! -d "$WINEPREFIX/qt-fonts" ]; then
        fonts=(/usr/share/fonts/truetype/liberation2/*.ttf /usr/share/fonts/truetype/dejavu/*.ttf)
        if [ ! -e "${fonts[0]}" ] || [ ! -e "${fonts[-1]}" ]; then
            echo "wine-run.sh: the fonts of fonts-liberation2 and fonts-dejavu-core are missing" >&2
            exit 1
        fi
        mkdir -p "$WINEPREFIX/qt-fonts"
        ln -sf "${fonts[@]}" "$WINEPREFIX/qt-fonts/"
    fi
) 9>"$WINEPREFIX/.kayfabe-lock"

# --bare: a program that brings its own libraries and plugins, as an installed one does.
if [ "${1:-}" = --bare ]; then
    shift
    exec "$wine" "$@"
fi
gcc_dlls=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")
export WINEPATH="Z:$qt/bin;Z:$gcc_dlls;Z:/usr/x86_64-w64-mingw32/lib${WINEPATH:+;$WINEPATH}"
export QT_PLUGIN_PATH=${QT_PLUGIN_PATH:-Z:$qt/plugins}
export QT_QPA_FONTDIR=${QT_QPA_FONTDIR:-Z:$WINEPREFIX/qt-fonts}
exec "$wine" "$@"
