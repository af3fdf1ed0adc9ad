# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the project's scripts.
# need_packages <package>...: installs the Debian packages that are missing when run as root;
# otherwise prints the one apt-get line to run and stops.
need_packages() {
    local missing=() package
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' \
            || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    if [ "$(id -u)" -eq 0 ]; then
        echo "Installing ${missing[*]}"
        export DEBIAN_FRONTEND=noninteractive
        apt-get update -qq
        apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
    else
        echo "Kayfabe Kit needs these Debian packages. Install them with:" >&2
        echo "  sudo apt-get install -y --no-install-recommends ${missing[*]}" >&2
        exit 1
    fi
}

# need_source_lines: lets apt-get source fetch Debian's source packages, adding a deb-src line for
# the archive the machine installs from when run as root.
need_source_lines() {
    grep -rqsE '^(deb-src|Types:.*deb-src)' /etc/apt/sources.list /etc/apt/sources.list.d/ && return 0
    if [ "$(id -u)" -ne 0 ]; then
        echo "Fetching Debian's source packages needs a deb-src line in /etc/apt/sources.list" >&2
        echo "(the deb line of your archive, with deb-src in place of deb), then apt-get update." >&2
        exit 1
    fi
    if [ -f /etc/apt/sources.list.d/debian.sources ]; then
        sed -n '1,/^$/p' /etc/apt/sources.list.d/debian.sources | sed 's/^Types: deb$/Types: deb-src/' \
            > /etc/apt/sources.list.d/kayfabe-kit-src.sources
    else
        grep -m1 '^deb ' /etc/apt/sources.list | sed 's/^deb /deb-src /' \
            > /etc/apt/sources.list.d/kayfabe-kit-src.list
    fi
    apt-get update -qq
}

# source_date_epoch: the time every file in a package carries, so that the same commit gives the
# same package: $SOURCE_DATE_EPOCH when set, else the commit's time (a source tarball's files
# carry it, CMakeLists.txt's among them).
source_date_epoch() {
    if [ -n "${SOURCE_DATE_EPOCH:-}" ]; then
        echo "$SOURCE_DATE_EPOCH"
    elif [ -e .git ]; then
        git log -1 --format=%ct
    else
        stat -c %Y CMakeLists.txt
    fi
}
