# Sourced by the benchmark scripts: copy_shipped_catalogue BUILD_DIR FOLDER SCRIPT_NAME copies
# the shipped catalogue the build made into FOLDER, or stops the script saying what is missing.
copy_shipped_catalogue() {
    local build="$1" folder="$2" name="$3" file candidate
    for file in ACORDES.TIP POSICOES.DIG; do
        for candidate in "$build/src/cli/$file" "$build/data/$file"; do
            [ -f "$candidate" ] && { cp "$candidate" "$folder/"; break; }
        done
        [ -f "$folder/$file" ] ||
            { echo "$name: no $file in $build (build shipped_catalogue)" >&2; exit 1; }
    done
}
