#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A short fuzz run with a fixed seed, as part of the test suite: run-short.sh <fuzzer> <runs>
# New inputs go to a scratch folder; the seed corpus in the repository is only read. A failing
# input is kept where FUZZ_ARTIFACTS points (default: thrown away with the scratch folder).
set -euo pipefail
fuzzer=$1
runs=${2:-40000}
here=$(cd "$(dirname "$0")" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
"$fuzzer" -artifact_prefix="${FUZZ_ARTIFACTS:-$scratch/}" -seed=1 -runs="$runs" -max_len=4096 -timeout=10 -rss_limit_mb=2048 \
    -dict="$here/bracketfile.dict" -print_final_stats=1 "$scratch" "$here/corpus"
