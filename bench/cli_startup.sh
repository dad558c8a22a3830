#!/usr/bin/env bash
# Whole-process time of trovale-cli, as a script calling it meets it: `--version`, and
# `interpret --json` of a 3000-line song. Builds nothing; prints the mean and minimum wall
# time and the mean CPU time of each.
#
#     bench/cli_startup.sh [BUILD_DIR] [RUNS]
#
# The song is generated here, the same every time; the catalogue is the shipped one from the
# build folder, copied to a temporary folder.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
. "$root/bench/shipped_catalogue.sh"
build="${1:-$root/build}"
runs="${2:-50}"
exe="$build/src/cli/trovale-cli"
[ -x "$exe" ] || { echo "cli_startup.sh: $exe not built" >&2; exit 1; }

folder="$(mktemp -d)"
trap 'rm -rf "$folder"' EXIT
copy_shipped_catalogue "$build" "$folder" cli_startup.sh

# Title, author, then chord lines of six chords over lyrics (Windows-1252, CR LF).
song="$folder/song.txt"
LC_ALL=C awk 'BEGIN {
    printf "Uma can\347\343o comprida\r\nAlgu\351m\r\n"
    n = split("Am7 C G/B D7(9) Em F#m7(b5) Bb7M E7(#9) A7(13) Dm6 Gsus4 C#dim", chords, " ")
    for (i = 3; i <= 3000; i += 2) {
        line = ""
        for (k = 0; k < 6; k++) line = line sprintf("%-9s", chords[(i + k) % n + 1])
        sub(/ +$/, "", line)
        printf "%s\r\nQuando olhei a terra ardendo, qual fogueira de S\343o Jo\343o %d\r\n", line, i
    }
}' >"$song"

export TROVALE_DIR="$folder"
"$exe" interpret --json "$song" >"$folder/answer.json" ||
    { echo "cli_startup.sh: interpret failed" >&2; exit 1; }

# CPU time (user + system) of the children in a `times` report, in microseconds.
child_cpu() {
    awk 'NR == 2 { split($1, u, /[ms]/); split($2, s, /[ms]/)
                   printf "%d\n", ((u[1] + s[1]) * 60 + u[2] + s[2]) * 1000000 }' "$1"
}

# Mean and minimum wall time of RUNS runs of the command, and its mean CPU time, in ms: the
# CPU time tells the program's own cost apart from waiting on a busy machine. bash's own
# clock forks nothing; `times` must run in this shell, not in a subshell.
measure() {
    local label="$1" start end
    shift
    local times=()
    times >"$folder/before"
    for _ in $(seq "$runs"); do
        start=$EPOCHREALTIME
        "$@" >/dev/null 2>&1 || true
        end=$EPOCHREALTIME
        times+=("$(( ${end/./} - ${start/./} ))")
    done
    times >"$folder/after"
    local cpu=$(( $(child_cpu "$folder/after") - $(child_cpu "$folder/before") ))
    printf '%s\n' "${times[@]}" | awk -v label="$label" -v cpu="$cpu" '
        { sum += $1; if (NR == 1 || $1 < min) min = $1 }
        END { printf "%-34s mean %6.2f ms  min %6.2f ms  cpu %6.2f ms  (%d runs)\n",
                     label, sum / NR / 1000, min / 1000, cpu / NR / 1000, NR }'
}

echo "trovale-cli: $exe"
echo "song: 3000 lines, answer $(wc -c <"$folder/answer.json") bytes of JSON"
measure "process start alone (/bin/true)" /bin/true
measure "trovale-cli --version" "$exe" --version
measure "trovale-cli interpret --json SONG" "$exe" interpret --json "$song"
