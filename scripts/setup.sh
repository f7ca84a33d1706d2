#!/usr/bin/env bash
# Installs the Debian packages the project needs (when missing), then configures and builds
# into build/. Sourced by run.sh and test.sh.
set -euo pipefail

TORVANE_PACKAGES=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-serialport-dev qt6-svg-dev libqt6svg6
  liblzo2-dev libsimpleini-dev libicu-dev
  libgtest-dev libgmock-dev googletest libbenchmark-dev
)

torvane_missing_packages() {
  local missing=()
  for p in "${TORVANE_PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
      missing+=("$p")
    fi
  done
  echo "${missing[@]:-}"
}

torvane_install() {
  local missing
  missing=$(torvane_missing_packages)
  [ -z "$missing" ] && return 0
  echo "Installing missing packages: $missing"
  local sudo=()
  if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null 2>&1 && { sudo -n true 2>/dev/null || [ -t 0 ]; }; then
      sudo=(sudo)
    else
      echo "error: these packages are missing and this user can neither run apt-get nor sudo:" >&2
      echo "       $missing" >&2
      echo "       Install them as root (apt-get install $missing) and run this script again." >&2
      exit 1
    fi
  fi
  export DEBIAN_FRONTEND=noninteractive
  "${sudo[@]}" apt-get update -qq
  # shellcheck disable=SC2086
  "${sudo[@]}" apt-get install -y -qq --no-install-recommends $missing
}

torvane_build() {
  local root
  root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
  cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build "$root/build"
}
