#!/usr/bin/env bash
# trovale-cli's PDFs beside chordii's PostScript, whole processes taking turns:
#   song  a 49-page ChordPro song with 30 chords, to PDF in one step (`convert song.cho
#         song.pdf`), against `chordii -o song.ps song.cho`;
#   book  100 ChordPro songs into one book with contents and bookmarks (`songbook`), against
#         chordii's book with its index (`chordii -i`);
#   size  a one-page song in DejaVu Sans: the bytes of its PDF (beside those of the
#         trovale-cli named by TROVALE_CLI_BEFORE, when set, to compare with an older build).
# Builds nothing; installs chordii with apt-get when run as root, and skips the comparisons
# when it cannot.
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
export TROVALE_DIR="$folder"

if ! command -v chordii >/dev/null && [ "$(id -u)" = 0 ]; then
    apt-get install -y chordii >/dev/null 2>&1 || true
fi
have_chordii=0
command -v chordii >/dev/null && have_chordii=1

# The long song: four of thirty chords over every verse, inline as ChordPro writes them.
verses=1100
LC_ALL=C awk -v n="$verses" 'BEGIN {
    split("C D E F G A B Cm Dm Em Fm Gm Am Bm C7 D7 E7 F7 G7 A7 B7 Cm7 Dm7 Em7 Fm7 Gm7 Am7 Bm7 C7M F7M", a, " ")
    print "{title: Uma cancao comprida}"; print "{subtitle: Alguem}"
    for (i = 0; i < n; i++) {
        k = (4 * i) % 30
        printf "[%s]Quando olhei [%s]a terra ar[%s]dendo qual [%s]fogueira %d\n",
            a[k + 1], a[(k + 1) % 30 + 1], a[(k + 2) % 30 + 1], a[(k + 3) % 30 + 1], i
    }
}' >"$folder/song.cho"

# The book: the example and golden songs as ChordPro, copied to 100 files.
mkdir "$folder/book"
n=0
for dec in "$root"/data/songs/*.dec "$root"/tests/document/golden/*.dec "$root"/tests/ui/golden/*.dec; do
    "$exe" convert "$dec" "$folder/book/base$n.cho" 2>/dev/null
    n=$((n + 1))
done
for ((i = 0; i < 100; i++)); do
    cp "$folder/book/base$((i % n)).cho" "$folder/book/$(printf 'song%03d' "$i").cho"
done
rm "$folder"/book/base*.cho
book_songs=("$folder"/book/song*.cho)

# Wall time of one run in microseconds, read from bash's own clock so that no other process
# is timed with it.
run_us() {
    local start=${EPOCHREALTIME/./} end
    "$@" >/dev/null 2>&1
    end=${EPOCHREALTIME/./}
    echo $((end - start))
}

# "mean M median D" in milliseconds of the times in a file.
summary() {
    sort -n "$1" | awk '{ t[NR] = $1; sum += $1 }
        END { m = NR % 2 ? t[(NR + 1) / 2] : (t[NR / 2] + t[NR / 2 + 1]) / 2
              printf "mean %.1f ms  median %.1f ms", sum / NR / 1000, m / 1000 }'
}
median_ms() { summary "$1" | awk '{ print $5 }'; }
pages() { pdfinfo "$1" 2>/dev/null | awk '/^Pages:/ { print $2 }'; }

# compare NAME TARGET "trovale command" "chordii command": the two take turns, so that a busy
# spell of the machine falls on both alike; the median is what a user meets.
compare() {
    local name=$1 target=$2 ours=$3 theirs=$4
    : >"$folder/$name.trovale.us"
    : >"$folder/$name.chordii.us"
    for ((i = 0; i < runs; i++)); do
        run_us bash -c "$ours" >>"$folder/$name.trovale.us"
        [ "$have_chordii" = 1 ] && run_us bash -c "$theirs" >>"$folder/$name.chordii.us"
    done
    echo "$name: trovale-cli  $(summary "$folder/$name.trovale.us")  ($runs runs)"
    [ "$have_chordii" = 1 ] || { echo "$name: chordii is not installed, comparison skipped"; return; }
    echo "$name: chordii      $(summary "$folder/$name.chordii.us")"
    awk -v a="$(median_ms "$folder/$name.trovale.us")" -v b="$(median_ms "$folder/$name.chordii.us")" \
        -v n="$name" -v t="$target" \
        'BEGIN { printf "%s: ratio trovale / chordii (medians) %.2f (target: at most %s)\n", n, a / b, t }'
}

# `bash -c` adds the same shell start to both sides.
compare song 3 "'$exe' convert '$folder/song.cho' '$folder/song.pdf'" \
    "chordii -o '$folder/song.ps' '$folder/song.cho'"
echo "song: $(pages "$folder/song.pdf") pages, $(wc -c <"$folder/song.pdf") bytes"

printf -v quoted " '%s'" "${book_songs[@]}"
compare book 3 "'$exe' songbook '$folder/book.pdf'$quoted" \
    "chordii -i -o '$folder/book.ps'$quoted"
# What the book's diagrams cost: the same book with the template's diagram list off (a
# MODELO.INI of its header alone: lyrics with chords, no list).
nolist="$folder/nolist"
mkdir "$nolist"
cp "$folder/ACORDES.TIP" "$folder/POSICOES.DIG" "$nolist/"
printf '1 0\r\n' >"$nolist/MODELO.INI"
: >"$folder/nolist.us"
for ((i = 0; i < runs; i++)); do
    TROVALE_DIR="$nolist" run_us bash -c "'$exe' songbook '$folder/nolist.pdf'$quoted" >>"$folder/nolist.us"
done
echo "book: without diagrams  $(summary "$folder/nolist.us")"
if [ "$have_chordii" = 1 ]; then
    awk -v a="$(median_ms "$folder/book.trovale.us")" -v d="$(median_ms "$folder/nolist.us")" \
        -v b="$(median_ms "$folder/book.chordii.us")" \
        'BEGIN { printf "book: diagrams cost %.1f ms; without them, ratio %.2f (target: at most 3)\n", a - d, d / b }'
fi
echo "book: $(pages "$folder/book.pdf") pages, $(wc -c <"$folder/book.pdf") bytes;" \
    "fonts: $(pdffonts "$folder/book.pdf" 2>/dev/null | awk 'NR > 2 { print $1 }' | sort -u | tr '\n' ' ')"

# The one-page song, every text font DejaVu Sans.
cp "$root/data/songs/Peixe vivo.dec" "$folder/peixe.dec"
LC_ALL=C sed -i 's/ Arial\r$/ DejaVu Sans\r/' "$folder/peixe.dec"
"$exe" convert "$folder/peixe.dec" "$folder/peixe.pdf"
now=$(wc -c <"$folder/peixe.pdf")
echo "size: one-page song in DejaVu Sans, $(pages "$folder/peixe.pdf") page: $now bytes"
if [ -n "${TROVALE_CLI_BEFORE:-}" ]; then
    "$TROVALE_CLI_BEFORE" convert "$folder/peixe.dec" "$folder/peixe-before.pdf"
    before=$(wc -c <"$folder/peixe-before.pdf")
    awk -v a="$now" -v b="$before" \
        'BEGIN { printf "size: before %d bytes, ratio %.2f (target: at most 0.67)\n", b, a / b }'
fi
