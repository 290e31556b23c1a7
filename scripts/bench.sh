#!/usr/bin/env bash
# Runs the benchmark and prints one table; the same rows go as JSON lines to build/bench/results.jsonl.
# Takes several minutes (directories of 100,000 and 1,000,000 files are made under /tmp and removed afterwards).
#   scripts/bench.sh [--quick]   --quick: 100,000 files at most, fewer runs
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/install-packages.sh build windows
# The peers of the last row, when the package registry has them.
for peer in rename mmv; do
  dpkg-query -W -f='${Status}\n' "$peer" 2>/dev/null | grep -q '^install ok installed$' ||
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$peer" >/dev/null 2>&1 || true
done
cmake -S . -B build/linux -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/linux --target qm_bench
mkdir -p build/bench
results=build/bench/results.jsonl
build/linux/bench/qm_bench --json "$results" "$@"

# The Windows window under Wine, on a directory of 100,000 files made here and seen by Wine as drive Z:.
cmake -S . -B build/windows -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" >/dev/null
cmake --build build/windows --target qm_bench_win32
dir=$(mktemp -d /tmp/qm-bench-wine.XXXXXX)
(cd "$dir" && seq -f 'name%07g.txt' 0 99999 | xargs touch)
source scripts/wine-env.sh
line=$(wine build/windows/bench/qm_bench_win32.exe "Z:$(echo "$dir" | tr / '\\')" 3 | tr -d '\r')
rm -rf "$dir"
echo "$line" >>"$results"
python3 - "$line" <<'PY'
import json, sys
row = json.loads(sys.argv[1])
mark = "<=" if row["ratio"] <= row["target"] else "> "
print(f'| {row["row"]:<34} | {row["ours_s"]:9.4f} | {row["baseline_s"]:9.4f} | {row["ratio"]:6.2f} | {mark} {row["target"]:4.2f} |')
PY
echo "rows written to $results"
