#!/usr/bin/env bash
# Builds Quenmar2000 with its tests and runs every test. Screens are tested
# on Qt's offscreen platform, so no display is needed.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
"$ROOT/scripts/setup.sh"
export QT_QPA_PLATFORM=offscreen
cd "$ROOT/build"
ctest --output-on-failure -j"$(nproc)"
