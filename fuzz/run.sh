#!/usr/bin/env bash
# Builds the fuzz targets with clang's libFuzzer and runs each for a bounded time.
# Usage: fuzz/run.sh [SECONDS_PER_TARGET]   (default 60)
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
seconds="${1:-60}"
out="${TROVALE_FUZZ_BUILD:-build-fuzz}"
mkdir -p "$out"

flags=(-std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -Isrc -Itests)
core=(src/catalogue/*.cpp src/document/*.cpp src/fingering/*.cpp src/settings/*.cpp)

build() {  # name, extra sources...
    local name=$1; shift
    echo "== Building $name"
    clang++ "${flags[@]}" "fuzz/$name.cpp" "$@" "${core[@]}" -o "$out/$name"
}

run() {  # name, seed folder
    local name=$1 seeds=$2 corpus="$out/corpus-$1"
    mkdir -p "$corpus"
    echo "== Fuzzing $name for $seconds s"
    # libFuzzer reports every new input; keep its log and show the end (all of it on failure).
    if "$out/$name" -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
        "$corpus" "$seeds" >"$out/$name.log" 2>&1; then
        tail -n 12 "$out/$name.log"
    else
        cat "$out/$name.log"
        return 1
    fi
}

build load_song_fuzz
build interpret_text_fuzz tests/support/type_fixture.cpp
run load_song_fuzz tests/document/golden
run interpret_text_fuzz tests/document/golden_text
