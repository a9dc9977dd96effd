#!/usr/bin/env bash
# A short, repeatable fuzzing run of the decimal number reader.
#
#   fuzz/run-short.sh BUILD_DIR
#
# BUILD_DIR is a build folder configured with clang++ and -DRAVLEN_FUZZ=ON; if
# it holds no build yet, it is configured here. Only the target decimal_fuzz
# is built. The checked-in corpus is copied to a scratch folder, where the
# fuzzer keeps what it finds; nothing is written into the source tree. Exits
# non-zero when the readers disagree on some text or a sanitizer stops the run.
#
# Environment: RAVLEN_FUZZ_RUNS (inputs to try), RAVLEN_FUZZ_JOBS (build jobs),
# RAVLEN_FUZZ_SOURCE_DIR (the top-level source folder, default: this one's parent).
set -euo pipefail

HERE="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
SOURCE="${RAVLEN_FUZZ_SOURCE_DIR:-$(cd "$HERE/.." && pwd)}"
RUNS="${RAVLEN_FUZZ_RUNS:-1000000}"
JOBS="${RAVLEN_FUZZ_JOBS:-2}"
if [ $# -ne 1 ]; then
    echo "usage: $0 BUILD_DIR" >&2
    exit 2
fi
mkdir -p "$1"
BUILD="$(cd "$1" && pwd)"

if [ -f "$BUILD/CMakeCache.txt" ]; then
    if ! grep -q '^RAVLEN_FUZZ:BOOL=ON$' "$BUILD/CMakeCache.txt"; then
        echo "$BUILD is not configured with -DRAVLEN_FUZZ=ON (and clang++); use another build folder." >&2
        exit 2
    fi
else
    CXX_COMPILER=""
    for candidate in clang++ clang++-14; do
        if command -v "$candidate" >/dev/null; then
            CXX_COMPILER="$(command -v "$candidate")"
            break
        fi
    done
    if [ -z "$CXX_COMPILER" ]; then
        echo "clang++ is missing (Debian 12: apt-get install clang libclang-rt-14-dev)." >&2
        exit 2
    fi
    cmake -S "$SOURCE" -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER="$CXX_COMPILER" \
        -DRAVLEN_FUZZ=ON -DRAVLEN_BUILD_TESTS=OFF -DRAVLEN_BUILD_BENCH=OFF
fi
cmake --build "$BUILD" --target decimal_fuzz -j"$JOBS"

FUZZER="$BUILD/bin/decimal_fuzz"
if [ ! -x "$FUZZER" ]; then
    FUZZER="$(find "$BUILD" -type f -name decimal_fuzz -perm -u+x | head -n 1)"
fi
if [ -z "$FUZZER" ] || [ ! -x "$FUZZER" ]; then
    echo "decimal_fuzz was not built in $BUILD." >&2
    exit 2
fi

# The full output goes to $SCRATCH/log; a failed run keeps it there with the input that stopped it.
SCRATCH="$(mktemp -d "${TMPDIR:-/tmp}/ravlen-fuzz.XXXXXX")"
mkdir "$SCRATCH/corpus"
cp "$HERE/corpus/decimal/"* "$SCRATCH/corpus/"

status=0
(
    cd "$SCRATCH"
    ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1}" \
    UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}" \
        "$FUZZER" -seed=1 -runs="$RUNS" -max_total_time=60 -reload=0 -max_len=256 -use_value_profile=1 -timeout=10 \
        -dict="$HERE/decimal.dict" -artifact_prefix="$SCRATCH/" -print_final_stats=1 "$SCRATCH/corpus"
) 2>&1 | tee "$SCRATCH/log" | grep -vE '^#[0-9]+[[:space:]]+(NEW|REDUCE)|# Uses: [0-9]+$|recommended dictionary' || status=${PIPESTATUS[0]}

if [ "$status" -ne 0 ]; then
    echo "decimal_fuzz failed (exit status $status); the input that stopped it is kept in $SCRATCH" >&2
    exit 1
fi
executed="$(sed -n 's/^stat::number_of_executed_units: *//p' "$SCRATCH/log")"
rm -rf "$SCRATCH"
echo "decimal_fuzz: ${executed:-?} inputs tried, the two readers agree on all of them"
