#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Counts the lines of code under tests/ against the lines everywhere else, and fails when the
# tests grow past a third of the code (0.33, as printed). --per-file lists every file. A line counts when it is not
# blank and not only a comment; C++ (.cpp .h), CMake (CMakeLists.txt, .cmake) and scripts (.sh
# .py and the extensionless scripts that start with #!). The fuzz corpus and dictionary are data.
set -euo pipefail
cd "$(dirname "$0")/.."

code_files() {
    git ls-files -co --exclude-standard | while read -r file; do
        [ -f "$file" ] || continue
        case "$file" in
        tests/fuzz/corpus/* | *.dict) ;;
        *.cpp | *.h | *CMakeLists.txt | *.cmake | *.sh | *.py) echo "$file" ;;
        *) head -c 2 "$file" | grep -q '^#!' && echo "$file" ;;
        esac
    done
}

# Lines that are not blank and not only a // or # comment (nor inside a /* */ block).
count_lines() {
    [ $# -eq 0 ] && echo 0 && return
    awk '
        /^[ \t]*$/ { next }
        FILENAME ~ /\.(cpp|h)$/ {
            line = $0
            if (in_block) { if (line ~ /\*\//) { in_block = 0; sub(/.*\*\//, "", line) } else next }
            if (line ~ /^[ \t]*\/\*/ && line !~ /\*\//) { in_block = 1; next }
            if (line ~ /^[ \t]*\/\*.*\*\/[ \t]*$/ || line ~ /^[ \t]*\/\// || line ~ /^[ \t]*$/) next
            count++; next
        }
        /^[ \t]*#/ { next }
        { count++ }
        END { print count + 0 }' "$@"
}

mapfile -t files < <(code_files)
tests=() program=()
for file in "${files[@]}"; do
    case "$file" in
    tests/*) tests+=("$file") ;;
    *) program+=("$file") ;;
    esac
done
test_lines=$(count_lines ${tests[@]+"${tests[@]}"})
program_lines=$(count_lines ${program[@]+"${program[@]}"})
share=$(awk -v t="$test_lines" -v p="$program_lines" 'BEGIN { printf "%.2f", t / p }')
if [ "${1-}" = --per-file ]; then
    for file in "${files[@]}"; do echo "$(count_lines "$file") $file"; done
fi
echo "Test code: $test_lines lines under tests/, $program_lines lines elsewhere: share $share"
awk -v s="$share" 'BEGIN { exit !(s <= 0.33) }' || { echo "Test code is over 0.33 of the code" >&2; exit 1; }
