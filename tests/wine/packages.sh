#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Tries the Windows packages in build-windows on Wine's desktop (run under Xvfb, with a fresh
# WINEPREFIX): installs silently, starts the installed program from another folder, uninstalls
# and finds nothing left; then starts the program from the zip unpacked into a folder whose name
# has spaces and non-ASCII letters. The test suite itself runs under Wine before this.
# KAYFABE_SHOTS: a folder for pictures of the windows.
set -euo pipefail
build=$(realpath "$1")
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
runner=$(realpath "$(dirname "$0")/../../cmake/wine-run.sh")
wine() { "$runner" --bare "$@"; }
work=$(mktemp -d)
program= # the program started last, ended with the script whatever way it ends
trap '[ -z "$program" ] || kill "$program" 2>/dev/null; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# start_and_exit <program.exe>: from a folder without pictures, the main menu comes up at its
# size with the shipped pictures, Alt+X ends the program with exit code 0.
start_and_exit() {
    mkdir -p "$work/elsewhere"
    (cd "$work/elsewhere" && QT_FORCE_STDERR_LOGGING=1 exec "$runner" --bare "$1" >"$work/log" 2>&1) &
    program=$!
    local window
    window=$(timeout 120 xdotool search --sync --onlyvisible --name '^Main Menu$' | head -n1) \
        || fail "no main menu from $1: $(cat "$work/log")"
    sleep 2 # lets it paint
    xwininfo -id "$window" | grep -qE 'Width: (772|7[89][0-9])' || fail "main menu size: $(xwininfo -id "$window")"
    [ -z "${KAYFABE_SHOTS:-}" ] || import -window root "$KAYFABE_SHOTS/wine-main-menu.png"
    xdotool windowfocus --sync "$window" key alt+x
    wait "$program" || fail "$1 ended with code $?: $(cat "$work/log")"
    program=
    ! grep -q built-in "$work/log" || fail "pictures not found beside $1"
}

echo "== installer"
wine "$build/kayfabe-kit-$version-setup-x64.exe" /S /AllUsers
/usr/lib/wine/wineserver -w
installed="$WINEPREFIX/drive_c/Program Files/Kayfabe Kit"
[ -f "$installed/kayfabe-kit.exe" ] || fail "nothing installed in $installed"
[ -f "$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Kayfabe Kit.lnk" ] \
    || fail "no Start menu entry"
start_and_exit "$installed/kayfabe-kit.exe"

echo "== uninstaller"
wine "$installed/Uninstall.exe" /S
/usr/lib/wine/wineserver -w
[ ! -e "$installed" ] || fail "left behind: $(find "$installed")"

echo "== zip"
unpacked="$work/Kayfabe Kit — Zürich Ñ"
mkdir -p "$unpacked"
unzip -q "$build/kayfabe-kit-$version-windows-x64.zip" -d "$unpacked"
start_and_exit "$unpacked/kayfabe-kit-$version-windows-x64/kayfabe-kit.exe"
echo "The Windows packages work."
