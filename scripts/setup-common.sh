# Shared by ./scripts/start and ./scripts/test: installs missing Debian packages, then builds.
set -euo pipefail

TROVALE_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
TROVALE_BUILD="${TROVALE_BUILD:-$TROVALE_ROOT/build}"

missing_packages() {
    local pkg
    grep -v -E '^\s*(#|$)' "$TROVALE_ROOT/scripts/debian-packages.txt" | while read -r pkg; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" ||
            echo "$pkg"
    done
}

install_packages() {
    command -v dpkg-query >/dev/null || { echo "Not a Debian system: install the packages in scripts/debian-packages.txt by hand." >&2; return 0; }
    local missing
    missing="$(missing_packages | tr '\n' ' ')"
    [ -z "${missing// /}" ] && return 0
    if [ "$(id -u)" -eq 0 ]; then
        echo "Installing: $missing"
        DEBIAN_FRONTEND=noninteractive apt-get update -qq
        # shellcheck disable=SC2086
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $missing
    else
        echo "Missing Debian packages: $missing" >&2
        echo "Run as root, or: sudo apt-get install $missing" >&2
        exit 1
    fi
}

build_tree() {
    cmake -S "$TROVALE_ROOT" -B "$TROVALE_BUILD" -G Ninja -DCMAKE_BUILD_TYPE="${TROVALE_BUILD_TYPE:-RelWithDebInfo}" "$@"
    cmake --build "$TROVALE_BUILD" -j "$(nproc)"
}
