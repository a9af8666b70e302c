#!/usr/bin/env bash
# Builds the fuzz targets with clang's libFuzzer and runs each for a bounded
# time (default 60 seconds). Not part of the test run.
#   tools/fuzz.sh [seconds] [target...]
# New interesting inputs collect in build-fuzz/corpus/<target>; anything that
# crashes, leaks, trips a sanitizer or allocates more than 100 MB at once is
# written to build-fuzz/findings/ and the script fails.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(settings drawing_loader icon_import icon_editor_loader)

# clang with libFuzzer is only needed here, not for building or testing the program.
bash tools/install-deps.sh clang libclang-rt-14-dev
cmake -S fuzz -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build build-fuzz -j2

export QT_QPA_PLATFORM=offscreen
mkdir -p build-fuzz/findings
failed=()
for target in "${targets[@]}"; do
    work=build-fuzz/corpus/$target
    mkdir -p "$work"
    options=(-max_total_time="$seconds" -timeout=10 -malloc_limit_mb=100 -rss_limit_mb=2048
             -print_final_stats=1 -artifact_prefix="build-fuzz/findings/$target-")
    [ "$target" = settings ] || options+=(-dict=fuzz/pictures.dict)
    echo "== $target for $seconds s"
    if ./build-fuzz/fuzz_"$target" "${options[@]}" "$work" "fuzz/corpus/$target" \
        >"build-fuzz/$target.log" 2>&1; then
        grep -E '^Done|stat::(number_of_executed_units|average_exec_per_sec|peak_rss_mb)' "build-fuzz/$target.log"
    else
        failed+=("$target")
        grep -E 'ERROR|SUMMARY|Test unit written' "build-fuzz/$target.log" || tail -20 "build-fuzz/$target.log"
    fi
done
if [ ${#failed[@]} -gt 0 ]; then
    echo "findings in: ${failed[*]} (see build-fuzz/<target>.log and build-fuzz/findings/)"
    exit 1
fi
