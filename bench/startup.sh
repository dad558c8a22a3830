#!/usr/bin/env bash
# Start-up time of the desktop program: from launch to a main window that answers the user
# (the start picture's 1.728 s minimum included). Prints one line per run and a summary.
#
#     bench/startup.sh [BUILD_DIR] [RUNS]
#
# Runs under $DISPLAY when there is one, otherwise on Qt's offscreen platform, with a
# temporary program folder holding the shipped catalogue.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$root/build}"
runs="${2:-5}"
exe="$build/src/app/trovale"
[ -x "$exe" ] || { echo "startup.sh: $exe not built (configure with -DTROVALE_UI=ON)" >&2; exit 1; }

folder="$(mktemp -d)"
trap 'rm -rf "$folder"' EXIT
for candidate in "$(dirname "$exe")/ACORDES.TIP" "$root/data/ACORDES.TIP"; do
    [ -f "$candidate" ] && { cp "$candidate" "$folder/"; break; }
done
for candidate in "$(dirname "$exe")/POSICOES.DIG" "$build/data/POSICOES.DIG"; do
    [ -f "$candidate" ] && { cp "$candidate" "$folder/"; break; }
done
[ -f "$folder/POSICOES.DIG" ] ||
    echo "note: no POSICOES.DIG found; the program will stop at its catalogue message" >&2
[ -n "${DISPLAY:-}" ] || export QT_QPA_PLATFORM=offscreen

times=()
for run in $(seq "$runs"); do
    ready="$folder/ready"
    rm -f "$ready"
    start=$(date +%s%N)
    TROVALE_DIR="$folder" TROVALE_READY_FILE="$ready" "$exe" >/dev/null 2>&1 &
    pid=$!
    deadline=$((start + 30000000000))
    while [ ! -e "$ready" ]; do
        if [ "$(date +%s%N)" -gt "$deadline" ] || ! kill -0 "$pid" 2>/dev/null; then
            kill "$pid" 2>/dev/null || true
            echo "startup.sh: run $run: the program did not become ready" >&2
            exit 1
        fi
        sleep 0.002
    done
    ms=$(( ($(date +%s%N) - start) / 1000000 ))
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    times+=("$ms")
    echo "run $run: ${ms} ms"
done

sorted=($(printf '%s\n' "${times[@]}" | sort -n))
median=${sorted[$(( ${#sorted[@]} / 2 ))]}
echo "startup: median ${median} ms (min ${sorted[0]}, max ${sorted[-1]}) over $runs runs;" \
     "$((median - 1728)) ms beyond the start picture's 1728 ms minimum"
