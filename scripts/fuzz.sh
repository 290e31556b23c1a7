#!/usr/bin/env bash
# Runs every fuzz target for a while (default 600 seconds each), growing a corpus under build/fuzz/long/.
# A crash leaves its input in build/fuzz/long/<target>/ as crash-*; replay it with build/fuzz/fuzz/<target>_fuzz <file>.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
seconds=${1:-600}
scripts/install-packages.sh build fuzz
CC=clang CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DQM_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/fuzz
for target in split_name_list name_pattern date_time run_directory batch; do
  mkdir -p "build/fuzz/long/$target"
  echo "== $target for ${seconds}s" >&2
  (cd "build/fuzz/long/$target" &&
    "$root/build/fuzz/fuzz/${target}_fuzz" . "$root/fuzz/corpus/$target" -max_total_time="$seconds" \
      -print_final_stats=1 2>&1 | grep -E 'stat::number_of_executed_units|ERROR|Done' || true)
  ls "build/fuzz/long/$target"/crash-* 2>/dev/null && exit 1
done
echo "no crash" >&2
