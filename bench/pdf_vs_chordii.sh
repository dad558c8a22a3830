#!/usr/bin/env bash
# Whole-process time of `trovale-cli convert song.dec song.pdf` for a 50-page song, beside
# chordii typesetting the same song to PostScript from ChordPro. Builds nothing; installs
# chordii with apt-get when run as root, and skips the comparison when it cannot.
#
#     bench/pdf_vs_chordii.sh [BUILD_DIR] [RUNS]
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
. "$root/bench/shipped_catalogue.sh"
build="${1:-$root/build}"
runs="${2:-10}"
exe="$build/src/cli/trovale-cli"
[ -x "$exe" ] || { echo "pdf_vs_chordii.sh: $exe not built" >&2; exit 1; }

folder="$(mktemp -d)"
trap 'rm -rf "$folder"' EXIT
copy_shipped_catalogue "$build" "$folder" pdf_vs_chordii.sh

# The same song twice: chord lines over lyrics for trovale, inline chords for chordii.
verses=1140
LC_ALL=C awk -v n="$verses" 'BEGIN {
    print "Uma cancao comprida\r"; print "Alguem\r"
    for (i = 0; i < n; i++) {
        print "C          G7         Am         F\r"
        print "Quando olhei a terra ardendo qual fogueira " i "\r"
    }
}' >"$folder/song.txt"
LC_ALL=C awk -v n="$verses" 'BEGIN {
    print "{title: Uma cancao comprida}"; print "{subtitle: Alguem}"
    for (i = 0; i < n; i++) print "[C]Quando olhei [G7]a terra ar[Am]dendo qual [F]fogueira " i
}' >"$folder/song.cho"
"$exe" --dir "$folder" convert "$folder/song.txt" "$folder/song.dec" 2>/dev/null
pages="$("$exe" --dir "$folder" convert "$folder/song.dec" "$folder/song.pdf" &&
    pdfinfo "$folder/song.pdf" 2>/dev/null | awk '/^Pages:/ {print $2}')" || true
echo "song: $verses verses, ${pages:-?} pages"

if ! command -v chordii >/dev/null && [ "$(id -u)" = 0 ]; then
    apt-get install -y chordii >/dev/null 2>&1 || true
fi
have_chordii=0
command -v chordii >/dev/null && have_chordii=1

# Wall time of one run in microseconds, read from bash's own clock so that no other process
# is timed with it.
run_us() {
    local start=${EPOCHREALTIME/./} end
    "$@" >/dev/null 2>&1
    end=${EPOCHREALTIME/./}
    echo $((end - start))
}

# The two programs take turns, so that a busy spell of the machine falls on both alike; the
# median is what a user meets, the mean is kept for comparison.
: >"$folder/trovale.us"
: >"$folder/chordii.us"
for ((i = 0; i < runs; i++)); do
    run_us "$exe" --dir "$folder" convert "$folder/song.dec" "$folder/song.pdf" >>"$folder/trovale.us"
    if [ "$have_chordii" = 1 ]; then
        run_us chordii -o "$folder/song.ps" "$folder/song.cho" >>"$folder/chordii.us"
    fi
done

# "mean M median D" in milliseconds of the times in a file.
summary() {
    sort -n "$1" | awk '{ t[NR] = $1; sum += $1 }
        END { m = NR % 2 ? t[(NR + 1) / 2] : (t[NR / 2] + t[NR / 2 + 1]) / 2
              printf "mean %.1f ms  median %.1f ms", sum / NR / 1000, m / 1000 }'
}
median_ms() { summary "$1" | awk '{ print $5 }'; }

echo "trovale-cli convert song.dec song.pdf   $(summary "$folder/trovale.us")  ($runs runs)"
if [ "$have_chordii" = 0 ]; then
    echo "chordii is not installed: comparison skipped"
    exit 0
fi
echo "chordii song.cho -> PostScript          $(summary "$folder/chordii.us")  ($runs runs)"
awk -v a="$(median_ms "$folder/trovale.us")" -v b="$(median_ms "$folder/chordii.us")" \
    'BEGIN { printf "ratio trovale / chordii (medians): %.2f (target: at most 2)\n", a / b }'
