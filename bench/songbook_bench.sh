#!/usr/bin/env bash
# trovale-cli songbook on 100 songs: the shipped example songs and the golden test songs,
# repeated, into one PDF. Builds nothing; prints the wall and CPU time of each run, the pages
# and the size of the book.
#
#     bench/songbook_bench.sh [BUILD_DIR] [RUNS] [SONGS]
#
# The catalogue is the shipped one from the build folder, copied to a temporary folder.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
. "$root/bench/shipped_catalogue.sh"
build="${1:-$root/build}"
runs="${2:-5}"
count="${3:-100}"
exe="$build/src/cli/trovale-cli"
[ -x "$exe" ] || { echo "songbook_bench.sh: $exe not built" >&2; exit 1; }

folder="$(mktemp -d)"
trap 'rm -rf "$folder"' EXIT
copy_shipped_catalogue "$build" "$folder" songbook_bench.sh

sources=("$root"/data/songs/*.dec "$root"/tests/document/golden/*.dec "$root"/tests/ui/golden/*.dec)
songs=()
for i in $(seq 0 $((count - 1))); do songs+=("${sources[$((i % ${#sources[@]}))]}"); done

export TROVALE_DIR="$folder"
book="$folder/book.pdf"
echo "trovale-cli: $exe"
echo "songs: $count (${#sources[@]} different, repeated)"
for run in $(seq "$runs"); do
    # TIMEFORMAT: wall, user + system seconds of this one run.
    TIMEFORMAT="%R %U %S"
    { time "$exe" songbook "$book" "${songs[@]}" 2>/dev/null; } 2>"$folder/time" ||
        { echo "songbook_bench.sh: songbook failed" >&2; exit 1; }
    read -r wall user sys <"$folder/time"
    awk -v r="$run" -v w="$wall" -v u="$user" -v s="$sys" \
        'BEGIN { printf "run %d: wall %.2f s  cpu %.2f s\n", r, w, u + s }'
done
pages="$(pdfinfo "$book" 2>/dev/null | awk '/^Pages:/ { print $2 }')"
echo "book: ${pages:-?} pages, $(wc -c <"$book") bytes"
