#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Qt that the Windows build of Kayfabe Kit links: Debian's qt6-base 6.4.2 source,
# cross-compiled for Windows x86-64 with mingw-w64 and Debian's own Qt tools, into
# ${XDG_CACHE_HOME:-~/.cache}/kayfabe-kit/qt-6.4.2-mingw64 (or $KAYFABE_WINDOWS_QT). It takes
# about an hour on two cores, once: a second run finds the stamp and does nothing. A Qt built
# by the same recipe elsewhere is used by pointing KAYFABE_WINDOWS_QT at it. Run from the
# unpacked kayfabe-kit-<version>-windows-qt-source.tar.xz, it builds the source package in it.
set -euo pipefail
cd "$(dirname "$0")/.."
prefix=${KAYFABE_WINDOWS_QT:-${XDG_CACHE_HOME:-$HOME/.cache}/kayfabe-kit/qt-6.4.2-mingw64}
stamp=$prefix/.built-by-kayfabe-kit
if [ -f "$stamp" ]; then
    echo "The Windows Qt is already built in $prefix."
    exit 0
fi
work=${prefix}-build

source scripts/packages.sh
need_packages cmake ninja-build dpkg-dev qt6-base-dev qt6-base-dev-tools \
    g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64

echo "Building Qt 6.4.2 for Windows in $work, to install it in $prefix."
echo "This takes about an hour on two cores; it happens once."
mkdir -p "$work"
# The source package: the one beside this script's folder when there is one (the Windows
# packages' Qt source tarball holds it), else Debian's current qt6-base.
if ! compgen -G "$work/qt6-base-6.4.2*/CMakeLists.txt" >/dev/null; then
    dsc=$(compgen -G "$PWD/qt6-base_6.4.2*.dsc" | head -n1) || true
    if [ -n "$dsc" ]; then
        (cd "$work" && dpkg-source -x "$dsc" >/dev/null)
    else
        need_source_lines
        (cd "$work" && apt-get source -qq qt6-base)
    fi
fi
source_dir=$(compgen -G "$work/qt6-base-6.4.2*/CMakeLists.txt" | head -n1 | xargs dirname)
debian_version=$(dpkg-parsechangelog -l "$source_dir/debian/changelog" -S Version)

# Kept: Core, Gui, Widgets, PrintSupport, Test, with their own copies of freetype (the offscreen
# platform needs it), harfbuzz, png, jpeg, zlib, pcre2 and double-conversion.
# tabletevent: Debian's repacked source drops the tablet headers the Windows platform needs.
# direct2d1_1: the optional Direct2D platform; DirectWrite stays.
KAYFABE_WINDOWS_QT=$prefix cmake -G Ninja -S "$source_dir" -B "$work/build" \
    -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw64-toolchain.cmake" -DCMAKE_CROSSCOMPILING_EMULATOR= \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DQT_QMAKE_TARGET_MKSPEC=win32-g++ -DQT_QMAKE_DEVICE_OPTIONS=CROSS_COMPILE=x86_64-w64-mingw32- \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
    -DFEATURE_pkg_config=OFF -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF \
    -DFEATURE_xml=OFF -DFEATURE_concurrent=OFF -DINPUT_opengl=no -DFEATURE_opengl=OFF \
    -DFEATURE_vulkan=OFF -DFEATURE_icu=OFF -DFEATURE_zstd=OFF -DFEATURE_glib=OFF \
    -DFEATURE_freetype=ON -DFEATURE_system_freetype=OFF -DFEATURE_harfbuzz=ON \
    -DFEATURE_system_harfbuzz=OFF -DFEATURE_png=ON -DFEATURE_system_png=OFF -DFEATURE_jpeg=ON \
    -DFEATURE_system_jpeg=OFF -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF \
    -DFEATURE_system_doubleconversion=OFF -DFEATURE_tabletevent=OFF -DFEATURE_direct2d1_1=OFF \
    -DFEATURE_testlib=ON -DFEATURE_printsupport=ON -DFEATURE_widgets=ON -DFEATURE_gui=ON
# Ninja's status line, one a step: [done/total percent].
NINJA_STATUS='[%f/%t %p] ' nice cmake --build "$work/build" --parallel "$(nproc)"
cmake --install "$work/build" --strip
# The stamp names the source package, which ./package windows publishes beside the packages.
echo "qt6-base $debian_version" >"$stamp"
rm -rf "$work"
echo "The Windows Qt is in $prefix."
