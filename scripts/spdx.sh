#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every source file, script and CMake file of ours names its licence on its first lines.
# spdx.sh        lists the files without it and fails when there is one
# spdx.sh --add  puts the line at the top of each (after a script's #! line)
set -euo pipefail
cd "$(dirname "$0")/.."
line='SPDX-License-Identifier: GPL-3.0-or-later'

ours() {
    git ls-files -- '*.cpp' '*.h' '*.cmake' '*CMakeLists.txt' '*.sh' '*.rc.in' '*.template.in' \
        run test package .ci/run
}

comment_for() {
    case $1 in
    *.cpp | *.h | *.rc.in) echo "// $line" ;;
    *.template.in) echo "; $line" ;;
    *) echo "# $line" ;;
    esac
}

missing=0
while read -r file; do
    head -n 2 "$file" | grep -q "$line" && continue
    if [ "${1:-}" = --add ]; then
        text=$(comment_for "$file")
        if head -n 1 "$file" | grep -q '^#!'; then
            sed -i "1a $text" "$file"
        else
            sed -i "1i $text" "$file"
        fi
    else
        echo "No licence line: $file" >&2
        missing=$((missing + 1))
    fi
done < <(ours)
[ "$missing" -eq 0 ] || { echo "$missing files lack '$line' in their first two lines." >&2; exit 1; }
