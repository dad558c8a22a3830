#!/usr/bin/env bash
# Builds the fuzz targets with clang's libFuzzer and runs each for a bounded time.
# Usage: fuzz/run.sh [SECONDS_PER_TARGET]   (default 60)
#
# The core is compiled once into an archive that every target links, the fonts and PDF writer
# into a second one for the targets that print; a later run recompiles only the sources whose
# file (or a header it includes) changed. TROVALE_FUZZ_BUILD names the build folder
# (build-fuzz), TROVALE_FUZZ_JOBS how many compilers and how many fuzzers run at once (one per
# core).
#
# Undefined behaviour stops a target as a crash does, and so does one input that runs longer
# than timeout_per_input (below): an input that makes the program crawl is a fault too.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
seconds="${1:-60}"
out="${TROVALE_FUZZ_BUILD:-build-fuzz}"
jobs="${TROVALE_FUZZ_JOBS:-$(nproc)}"
mkdir -p "$out/obj"

# name | what seeds it (folders, or single files) | -max_len | "pdf" when it prints
targets=(
    "load_song_fuzz|tests/document/golden|4096"
    "interpret_text_fuzz|tests/document/golden_text|4096"
    "text_song_roundtrip_fuzz|tests/document/golden_text tests/document/golden|4096"
    "chordpro_fuzz|tests/document/golden_chordpro fuzz/seeds/chordpro|4096"
    # The shipped catalogue is a little over 4 KiB.
    "type_file_fuzz|data/ACORDES.TIP fuzz/seeds/types|8192"
    "fingering_file_fuzz|fuzz/seeds/fingerings|4096"
    "settings_files_fuzz|fuzz/seeds/settings|4096"
    "appearance_file_fuzz|fuzz/seeds/appearance|4096"
    # Long lines, many columns and chords: room for a line far wider than any page. Its own
    # seeds start with the byte that chooses columns and orientations, then the text.
    "sheet_pdf_fuzz|tests/document/golden_text fuzz/seeds/sheet_pdf|65536|pdf"
)

# Everything without a toolkit; each target takes from the archive only what it uses.
core=(src/base/*.cpp src/catalogue/*.cpp src/document/*.cpp src/fingering/*.cpp src/settings/*.cpp
      src/drawing/*.cpp tests/support/type_fixture.cpp)
# The sheet drawn into a PDF without Qt, on top of the core.
printing=(src/fonts/*.cpp src/pdf/*.cpp src/sheet_pdf/*.cpp)
printing_libs=(-lfontconfig -lfreetype -ldeflate -lz -lharfbuzz-subset -lharfbuzz)

# Far beyond what any input takes unless it is pathologically slow, even under both sanitizers
# on a busy two-core machine.
timeout_per_input=10

# UBSan only reports and goes on unless told to stop: the first fault must end the run.
sanitize="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all"
FUZZ_CXXFLAGS="-std=c++20 -g -O1 $sanitize -Isrc -Itests"
FUZZ_CXXFLAGS+=" $(pkg-config --cflags freetype2 fontconfig harfbuzz-subset)"  # the fonts' headers
# The PDF writer names the program's version, which CMake's project() holds.
version=$(sed -n 's/^project(Trovale VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
FUZZ_CXXFLAGS+=" -DTROVALE_VERSION=\"$version\""
export FUZZ_CXXFLAGS
link_flags=("-fsanitize=fuzzer,address,undefined" "-fno-sanitize-recover=all")
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1${UBSAN_OPTIONS:+:$UBSAN_OPTIONS}"

object_of() { echo "$out/obj/${1%.cpp}.o"; }

# True when $1 is missing or older than this script or anything its dependency file names
# (a header that is gone counts as changed).
stale() {
    local target=$1 deps=$2 f
    [[ -f $target && -f $deps ]] || return 0
    [[ fuzz/run.sh -nt $target ]] && return 0
    # shellcheck disable=SC2013 # a dependency file lists words, several to a line
    for f in $(sed -e 's/\\$//' -e 's/^[^:]*://' "$deps"); do
        [[ ! -e $f || $f -nt $target ]] && return 0
    done
    return 1
}

# shellcheck disable=SC2317 # run by xargs
compile_unit() {  # source, object
    mkdir -p "$(dirname "$2")"
    echo "   $1"
    # shellcheck disable=SC2086 # the flag string is a list of words
    clang++ $FUZZ_CXXFLAGS -MMD -MF "${2%.o}.d" -c "$1" -o "$2"
}
export -f compile_unit

# Every stale unit, as (source, object) pairs for xargs.
units=()
add_unit() {
    local obj
    obj=$(object_of "$1")
    if stale "$obj" "${obj%.o}.d"; then units+=("$1" "$obj"); fi
}
for src in "${core[@]}" "${printing[@]}"; do add_unit "$src"; done
for entry in "${targets[@]}"; do
    IFS='|' read -r name _ <<<"$entry"
    add_unit "fuzz/$name.cpp"
done

start=$SECONDS
if ((${#units[@]})); then
    echo "== Sources to compile: $((${#units[@]} / 2)), $jobs at a time"
    printf '%s\0' "${units[@]}" | xargs -0 -n 2 -P "$jobs" bash -c 'compile_unit "$@"' _
fi

# An archive lets each target take only the objects it needs. It is made anew when an object
# changed or the list of sources did (a source removed must leave it too).
archive() {  # archive, sources...
    local lib=$1 objs=() src obj newer=0
    shift
    for src in "$@"; do objs+=("$(object_of "$src")"); done
    for obj in "${objs[@]}"; do [[ $obj -nt $lib ]] && newer=1; done
    if [[ ! -f $lib ]] || ((newer)) || [[ "${objs[*]}" != "$(cat "$lib.list" 2>/dev/null)" ]]; then
        rm -f "$lib"
        ar qcs "$lib" "${objs[@]}"
        echo "${objs[*]}" >"$lib.list"
    fi
}
archive "$out/libtrovale_core.a" "${core[@]}"
archive "$out/libtrovale_printing.a" "${printing[@]}"

runnable=()
for entry in "${targets[@]}"; do
    IFS='|' read -r name _ _ prints <<<"$entry"
    obj=$(object_of "fuzz/$name.cpp")
    libs=("$out/libtrovale_core.a")
    system_libs=()
    if [[ $prints == pdf ]]; then
        libs=("$out/libtrovale_printing.a" "${libs[@]}")
        system_libs=("${printing_libs[@]}")
    fi
    relink=0
    [[ -f $out/$name ]] || relink=1
    for f in "$obj" "${libs[@]}"; do
        [[ -f $f && $f -nt $out/$name ]] && relink=1
    done
    if ((relink)); then
        echo "== Linking $name"
        clang++ "${link_flags[@]}" "$obj" "${libs[@]}" "${system_libs[@]}" -o "$out/$name"
    fi
    runnable+=("$entry")
done
echo "== Build took $((SECONDS - start)) s"

run() {  # name, seeds, max_len; leaves the exit status in $out/$name.status
    local name=$1 seeds=$2 max_len=$3 corpus="$out/corpus-$1" seeded="$out/seeds-$1" s
    rm -f "$out/$name.status"
    mkdir -p "$corpus" "$seeded"
    # Single seed files go into a folder of their own: libFuzzer reads folders.
    local dirs=()
    for s in $seeds; do
        if [[ -d $s ]]; then dirs+=("$s"); else cp "$s" "$seeded/"; fi
    done
    dirs+=("$seeded")
    local status=0
    "$out/$name" -max_total_time="$seconds" -max_len="$max_len" -timeout="$timeout_per_input" \
        -print_final_stats=1 -artifact_prefix="$out/$name-" "$corpus" "${dirs[@]}" \
        >"$out/$name.log" 2>&1 || status=$?
    echo "$status" >"$out/$name.status"
}

echo "== Fuzzing ${#runnable[@]} targets for $seconds s each, $jobs at a time," \
    "at most $timeout_per_input s an input"
running=0
for entry in "${runnable[@]}"; do
    IFS='|' read -r name seeds max_len _ <<<"$entry"
    run "$name" "$seeds" "$max_len" &
    if ((++running >= jobs)); then
        wait -n || true
        ((running--))
    fi
done
wait

# libFuzzer reports every new input; show the end of each log (all of it on failure).
failed=0
for entry in "${runnable[@]}"; do
    IFS='|' read -r name _ <<<"$entry"
    echo "== $name"
    if [[ $(cat "$out/$name.status" 2>/dev/null) == 0 ]]; then
        tail -n 12 "$out/$name.log"
    else
        cat "$out/$name.log"
        failed=1
    fi
done
exit "$failed"
