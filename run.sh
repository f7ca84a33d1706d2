#!/usr/bin/env bash
# Installs what is missing, builds, and opens the editor on the demo file.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
torvane_install
torvane_build
demo=build/demo/demo.dld
if [ ! -f "$demo" ]; then
  mkdir -p build/demo
  ./build/torvane-cli sample --profile demo "$demo"
fi
exec ./build/torvane "$demo" "$@"
