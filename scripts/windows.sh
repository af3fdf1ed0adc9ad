# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by ./package windows and ./test: builds Kayfabe Kit for Windows in build-windows with
# mingw-w64 and the Qt of scripts/windows-qt.sh, and tests it under Wine. Sourced, not run.
source scripts/packages.sh
windows_qt=${KAYFABE_WINDOWS_QT:-${XDG_CACHE_HOME:-$HOME/.cache}/kayfabe-kit/qt-6.4.2-mingw64}

windows_qt_present() {
    [ -f "$windows_qt/lib/cmake/Qt6/Qt6Config.cmake" ]
}

windows_build() {
    if ! windows_qt_present; then
        echo "No Windows Qt in $windows_qt: build it with scripts/windows-qt.sh (about an hour)," >&2
        echo "or point KAYFABE_WINDOWS_QT at one built the same way." >&2
        exit 1
    fi
    # The fonts are the ones cmake/wine-run.sh gives Qt under Wine.
    need_packages cmake ninja-build qt6-base-dev-tools g++-mingw-w64-x86-64-posix \
        binutils-mingw-w64-x86-64 nsis zip unzip ccache wine wine64 xvfb xauth xdotool x11-utils imagemagick \
        fonts-liberation2 fonts-dejavu-core
    if [ ! -f build-windows/build.ninja ]; then
        # Unchanged files come from ccache's cache, shared with other checkouts.
        KAYFABE_WINDOWS_QT=$windows_qt cmake -S . -B build-windows -G Ninja \
            -DCMAKE_TOOLCHAIN_FILE=cmake/mingw64-toolchain.cmake -DCMAKE_BUILD_TYPE=Release \
            -DCMAKE_CXX_COMPILER_LAUNCHER=ccache >/dev/null
    fi
    CCACHE_BASEDIR=$PWD cmake --build build-windows -j "$(nproc)"
}

# The version build-windows is configured for, which the packages' names carry.
windows_version() {
    sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build-windows/CMakeCache.txt
}

# build-windows/kayfabe-kit-<version>-windows-x64.zip, kayfabe-kit-<version>-setup-x64.exe and
# kayfabe-kit-<version>-windows-qt-source.tar.xz.
windows_package() {
    windows_build
    (cd build-windows && cpack -G "ZIP;NSIS" >/dev/null)
    windows_zip_in_order
    windows_qt_source
}

# CPack's zip holds the files in the order the file system lists them, which differs from one
# machine to the next: the zip is written again from the same folder in name order, each file
# with the commit's time and nothing else of the machine's (-X), so the same commit gives the same
# zip anywhere.
windows_zip_in_order() {
    local name folder=build-windows/_CPack_Packages/win64/ZIP
    name=kayfabe-kit-$(windows_version)-windows-x64
    find "$folder/$name" -exec touch -h -d "@$(source_date_epoch)" {} +
    rm -f "$folder/$name.sorted.zip"
    (cd "$folder" && find "$name" -type f | LC_ALL=C sort | TZ=UTC zip -X -q -@ "$name.sorted.zip")
    mv "$folder/$name.sorted.zip" "build-windows/$name.zip"
}

# The source of the Qt the packages ship, as its licence (the LGPL) asks: Debian's qt6-base
# source package the Qt was built from (named in the stamp scripts/windows-qt.sh leaves; a Qt
# without one was built from the source of Debian's own Qt tools), with the script and toolchain
# file that build it. The source package is fetched once, into the cache beside the Qt.
windows_qt_source() {
    local debian_version sources name built_with=()
    debian_version=$(sed -n 's/^qt6-base //p' "$windows_qt/.built-by-kayfabe-kit" 2>/dev/null) \
        || true
    [ -n "$debian_version" ] \
        || debian_version=$(dpkg-query -W -f='${source:Version}' qt6-base-dev-tools)
    sources=$windows_qt-source/$debian_version
    if [ ! -f "$sources/.complete" ]; then
        need_source_lines
        mkdir -p "$sources"
        (cd "$sources" && apt-get source --download-only -qq "qt6-base=$debian_version")
        touch "$sources/.complete"
    fi
    name=kayfabe-kit-$(windows_version)-windows-qt-source
    mkdir -p build-windows/qt-source
    cat >build-windows/qt-source/README.txt <<EOF
The Qt libraries in Kayfabe Kit $(windows_version) for Windows are Qt 6.4.2, built from Debian's
qt6-base $debian_version source package in this folder (qt6-base_*.dsc and the tarballs it
names) by scripts/windows-qt.sh with cmake/mingw64-toolchain.cmake, on Debian 12 with mingw-w64.
To build them again, run on Debian 12:

    scripts/windows-qt.sh

It unpacks the source package here (dpkg-source -x), builds it, and installs the Qt into
~/.cache/kayfabe-kit/qt-6.4.2-mingw64 (or \$KAYFABE_WINDOWS_QT).
EOF
    # A Qt built elsewhere by the same recipe keeps the toolchain file it was built with.
    if [ -f "$windows_qt/mingw64-posix-toolchain.cmake" ]; then
        built_with=(-C "$windows_qt" mingw64-posix-toolchain.cmake)
        printf '%s\n' "This Qt was built with the toolchain file in this folder," \
            "mingw64-posix-toolchain.cmake, which sets the same compilers and paths." \
            >>build-windows/qt-source/README.txt
    fi
    tar --sort=name --mtime="@$(source_date_epoch)" --owner=0 --group=0 --numeric-owner \
        --mode=u+rwX,go=rX --transform="s|^|$name/|" -cf - -C build-windows/qt-source README.txt \
        -C "$sources" $(cd "$sources" && echo qt6-base_*) "${built_with[@]}" \
        -C "$PWD" scripts/windows-qt.sh scripts/packages.sh cmake/mingw64-toolchain.cmake \
        | xz -0 -T1 >"build-windows/$name.tar.xz.part"
    mv "build-windows/$name.tar.xz.part" "build-windows/$name.tar.xz"
}

# The test suite under Wine, offscreen, then the installer and the zip on Wine's desktop, each
# in a fresh Wine prefix of its own. Each step runs in a process group of its own, so that an
# interrupted run (Ctrl+C, a kill) ends the step and whatever it started, and then every Wine
# server of the prefixes with its programs, before the prefixes go.
windows_test() {
    local status=0
    windows_prefixes=$(mktemp -d)
    trap windows_test_cleanup EXIT
    trap 'exit 130' INT
    trap 'exit 143' TERM
    trap 'exit 129' HUP
    # One at a time: Wine has one desktop, and two tests' windows would take each other's focus.
    windows_step env WINEPREFIX="$windows_prefixes/tests" \
        ctest --test-dir build-windows --output-on-failure -j 1 || status=$?
    [ "$status" -eq 0 ] || windows_failed_logs
    if [ "$status" -eq 0 ]; then
        # The installed program shows its windows on Xvfb, whatever platform the tests used; Xvfb's
        # key goes with the prefixes, as xvfb-run leaves its own behind when it is killed.
        windows_step env -u QT_QPA_PLATFORM WINEPREFIX="$windows_prefixes/packages" \
            xvfb-run -n $((RANDOM % 500 + 100)) -s '-screen 0 1024x768x24' \
            -f "$windows_prefixes/Xauthority" tests/wine/packages.sh build-windows || status=$?
    fi
    windows_test_cleanup
    trap - EXIT INT TERM HUP
    return "$status"
}

# The output of each test that failed, which it writes to a file of its own under Wine, without
# the lines Wine's missing calls add to every test.
windows_failed_logs() {
    local name
    while IFS=: read -r _ name; do
        echo "== $name under Wine =="
        grep -v -e EnableNonClientDpiScaling -e 'no readable picture' \
            "build-windows/tests/$name.log" | tail -n 80 || true
    done <build-windows/Testing/Temporary/LastTestsFailed.log
}

# windows_step <command>...: runs the command in a session of its own and waits for it.
windows_step() {
    local status=0
    setsid "$@" &
    windows_step_pid=$!
    wait "$windows_step_pid" || status=$?
    windows_step_pid=
    return "$status"
}

windows_test_cleanup() {
    if [ -n "${windows_step_pid:-}" ]; then
        kill -TERM -- -"$windows_step_pid" 2>/dev/null || true
        wait "$windows_step_pid" 2>/dev/null || true
        windows_step_pid=
    fi
    # Each prefix's Wine server ends its programs, and writes its registry as it ends: wait for
    # it before the files go.
    local prefix
    for prefix in "$windows_prefixes"/*; do
        [ -d "$prefix" ] || continue
        WINEPREFIX=$prefix /usr/lib/wine/wineserver -k 2>/dev/null || true
        WINEPREFIX=$prefix /usr/lib/wine/wineserver -w 2>/dev/null || true
    done
    rm -rf "$windows_prefixes"
}
