#!/usr/bin/env bash
# Grows and minimises the seed corpus of one fuzz target: fuzzes from the corpus for a
# while, then keeps as the new corpus the fewest inputs that reach all the coverage found
# (libFuzzer's -merge=1). Inside the private network namespace, like every run.
#
#   bash scripts/fuzz-corpus.sh <fuzz target binary> <corpus folder> [seconds, default 300]
#
# The corpus folder of a target is corpus/<target>/ beside its source.
set -euo pipefail
# Targets that draw need a Qt platform; none has a display here.
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
# What the libraries keep for the process (fonts) is not a leak, as in the test run.
export LSAN_OPTIONS=suppressions=$(realpath "$(dirname "$0")/lsan.supp"):print_suppressions=0
fuzzer=$(realpath "$1")
corpus=$2
seconds=${3:-300}
here=$(dirname "$0")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$corpus" "$work/found" "$work/merged"
bash "$here/netns.sh" "$fuzzer" -seed=1 -rss_limit_mb=4096 -max_total_time="$seconds" \
  -print_final_stats=1 "$work/found" "$corpus"
bash "$here/netns.sh" "$fuzzer" -merge=1 -rss_limit_mb=4096 "$work/merged" "$work/found" "$corpus"
find "$corpus" -maxdepth 1 -type f -delete
cp "$work/merged"/* "$corpus"/
echo "$corpus: $(find "$corpus" -type f | wc -l) inputs, $(du -sh "$corpus" | cut -f1)"
