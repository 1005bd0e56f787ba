#!/usr/bin/env bash
# Installs the Debian packages Lumetra needs that are not there yet.
#   scripts/install-deps.sh run    what building and running need
#   scripts/install-deps.sh test   that, plus what the test suite needs
set -euo pipefail

build_packages=(
    g++ cmake make pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-tools-dev qt6-l10n-tools
    libgl-dev libcurl4-openssl-dev
    qt6-image-formats-plugins
    qt6-translations-l10n
    fonts-liberation fonts-dejavu-core fonts-droid-fallback fonts-wqy-microhei fonts-symbola
)
test_packages=(
    python3 xvfb xauth
    python3-pyftpdlib python3-openssl openssl
    poppler-utils
    desktop-file-utils shared-mime-info dpkg-dev
)

wanted=("${build_packages[@]}")
if [ "${1:-run}" = "test" ]; then
    wanted+=("${test_packages[@]}")
fi

missing=()
for pkg in "${wanted[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$pkg")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null; then
        echo "These packages are missing and sudo is not available: ${missing[*]}" >&2
        exit 1
    fi
    sudo=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
