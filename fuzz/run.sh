#!/usr/bin/env bash
# Builds the libFuzzer targets (clang) and runs each for SECONDS (default 600),
# JOBS at a time (default 1), on a working corpus under build/fuzz/corpus/<target>
# that starts from fuzz/seeds/<target>.  Failing inputs are written to
# build/fuzz/findings/<target>/; copy each into fuzz/regressions/<target>/ once
# it is fixed, so that the normal test run replays it.  A summary line per
# target (executions, coverage, result) goes to build/fuzz/summary.tsv.
#
#   fuzz/run.sh [SECONDS] [TARGET...]        (JOBS=2 fuzz/run.sh to run two at once)
set -uo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-600}; shift || true
build=build/fuzz
if [ ! -f "$build/build.ninja" ]; then
  CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DVEXA_BUILD_FUZZ=ON -DVEXA_BUILD_TESTS=OFF -DVEXA_BUILD_BENCH=OFF >/dev/null || exit 2
fi
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=($(sed -n '/^set(VEXA_FUZZ_TARGETS/,/)/p' fuzz/targets.cmake |
                                       tr -d '()' | tr ' ' '\n' | grep '_fuzz$'))
cmake --build "$build" -j2 --target "${targets[@]}" >/dev/null ||
  { echo "fuzz/run.sh: build failed" >&2; exit 2; }
run_one() {
  local t=$1 corpus=$build/corpus/$1 found=$build/findings/$1 log=$build/logs/$1.log
  mkdir -p "$corpus" "$found" "$build/logs"
  cp -n fuzz/seeds/"$t"/* "$corpus"/ 2>/dev/null
  "$build/bin/$t" "$corpus" -max_total_time="$seconds" -print_final_stats=1 -timeout=25 \
    -rss_limit_mb=4096 -artifact_prefix="$found/" >"$log" 2>&1
  local rc=$? execs cov
  execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  cov=$(grep -o 'cov: [0-9]*' "$log" | tail -1 | cut -d' ' -f2)
  printf '%s\t%s s\t%s execs\t%s edges\t%s\n' "$t" "$seconds" "${execs:-?}" "${cov:-?}" \
    "$([ $rc -eq 0 ] && echo clean || echo "FAILED (see $log)")" | tee -a "$build/summary.tsv"
}
export -f run_one; export build seconds
printf '%s\n' "${targets[@]}" | xargs -P "${JOBS:-1}" -I{} bash -c 'run_one {}'
