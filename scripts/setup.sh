# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by ./run and ./test: installs what the build needs, then configures and builds.
# Sourced, not run: it leaves the build folder in $build and defines build_in.

packages=(cmake ninja-build g++ qt6-base-dev qt6-qpa-plugins libgl-dev
          fonts-liberation2 fonts-dejavu-core xvfb xauth
          dpkg-dev file # cpack -G DEB: dpkg-shlibdeps finds the package's dependencies
          ccache)
packages+=(${extra_packages[@]+"${extra_packages[@]}"})

source scripts/packages.sh
need_packages "${packages[@]}"

# build_in <folder> [cmake options...]: configures the folder once, then builds everything.
build_in() {
    local folder=$1
    shift
    if [ ! -f "$folder/build.ninja" ]; then
        # Rebuilds of an unchanged file (another checkout, a fresh clone) come from ccache's cache.
        local launcher=()
        command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
        cmake -S . -B "$folder" -G Ninja "${launcher[@]+"${launcher[@]}"}" "$@" >/dev/null
    fi
    cmake --build "$folder" -j "$(nproc)"
}

# Paths relative to the checkout, so that checkouts in other folders share the cache (debug
# information then names the folder the object was first built in).
export CCACHE_BASEDIR=$PWD CCACHE_NOHASHDIR=true
build=${build:-build}
build_in "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
