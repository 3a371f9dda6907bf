#!/usr/bin/env bash
# Runs one fuzz target for a given time: scripts/fuzz.sh TARGET SECONDS [libFuzzer options]
# TARGET is list_file_reader, path_routines or line_builders. Builds with clang in build/fuzz.
# The seed corpus in fuzz/corpus/TARGET is copied, not grown: new inputs go to
# build/fuzz/corpus/TARGET, and an input that breaks a property to build/fuzz/artifacts/ (copy
# it into fuzz/corpus/TARGET to keep it replayed by every test run).
set -euo pipefail
cd "$(dirname "$0")/.."
if [ $# -lt 2 ]; then
    echo "usage: $0 TARGET SECONDS [libFuzzer options]" >&2
    exit 2
fi
target=$1
seconds=$2
shift 2
if [ ! -d "fuzz/corpus/$target" ]; then
    echo "no such fuzz target: $target (have: $(ls fuzz/corpus | tr '\n' ' '))" >&2
    exit 2
fi
command -v clang++ >/dev/null || { echo "clang++ is needed for fuzzing" >&2; exit 2; }
CC=clang CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTAVROLIN_FUZZ=ON >/dev/null
cmake --build build/fuzz -j2 --target "fuzz_$target"
mkdir -p "build/fuzz/corpus/$target" build/fuzz/artifacts
cp -n "fuzz/corpus/$target"/* "build/fuzz/corpus/$target/"
"build/fuzz/fuzz/fuzz_$target" -max_total_time="$seconds" -print_final_stats=1 \
    -artifact_prefix=build/fuzz/artifacts/ "$@" "build/fuzz/corpus/$target" 2>&1 |
    tee build/fuzz/last-$target.log | grep -E '^(#[0-9]+ +DONE|Done|stat::|==|SUMMARY|.*property broken)'
