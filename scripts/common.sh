# Shared by run.sh and test.sh: install what is missing, then build.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="${RAVLEN_BUILD_DIR:-$ROOT/build}"

# What every build needs, as Debian 12 packages.
BUILD_PACKAGES=(g++ cmake make qt6-base-dev libqt6sql6-sqlite libsqlite3-dev qt6-qpa-plugins fonts-noto-cjk)

# Installs the Debian packages that are missing. As root it installs them;
# otherwise it names them and stops.
ensure_packages() {
    local missing=()
    local package
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    if [ "$(id -u)" -ne 0 ]; then
        echo "These Debian packages are missing: ${missing[*]}" >&2
        echo "Install them as root (apt-get install ${missing[*]}) or run this command as root." >&2
        exit 1
    fi
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    # a fresh machine has no package lists yet
    if ! compgen -G "/var/lib/apt/lists/*_Packages*" > /dev/null; then
        apt-get update
    fi
    if ! apt-get install -y --no-install-recommends "${missing[@]}"; then
        apt-get update
        apt-get install -y --no-install-recommends "${missing[@]}"
    fi
}

build() {
    cmake -S "$ROOT" -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
    cmake --build "$BUILD" -j2
}
