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

# Mean wall time in milliseconds of a command run $runs times.
mean_ms() {
    local start end
    start=$(date +%s%N)
    for ((i = 0; i < runs; i++)); do "$@" >/dev/null 2>&1; done
    end=$(date +%s%N)
    awk -v t=$((end - start)) -v n="$runs" 'BEGIN { printf "%.1f", t / n / 1e6 }'
}

trovale=$(mean_ms "$exe" --dir "$folder" convert "$folder/song.dec" "$folder/song.pdf")
echo "trovale-cli convert song.dec song.pdf   mean $trovale ms  ($runs runs)"

if ! command -v chordii >/dev/null && [ "$(id -u)" = 0 ]; then
    apt-get install -y chordii >/dev/null 2>&1 || true
fi
if ! command -v chordii >/dev/null; then
    echo "chordii is not installed: comparison skipped"
    exit 0
fi
chordii=$(mean_ms chordii -o "$folder/song.ps" "$folder/song.cho")
echo "chordii song.cho -> PostScript          mean $chordii ms  ($runs runs)"
awk -v a="$trovale" -v b="$chordii" 'BEGIN { printf "ratio trovale / chordii: %.2f (target: at most 2)\n", a / b }'
