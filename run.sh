#!/usr/bin/env bash
# Builds Quenmar2000, installs it into its program folder and starts it.
# The program folder (default ~/Quenmar2000, or QUENMAR_INSTALL_DIR) holds the
# data file and is outside the build tree, so data survive rebuilds.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
"$ROOT/scripts/setup.sh"

HOME_DIR="${QUENMAR_INSTALL_DIR:-$HOME/Quenmar2000}"
mkdir -p "$HOME_DIR/report"
install -m 755 "$ROOT/build/src/quenmar2000" "$HOME_DIR/quenmar2000"
install -m 755 "$ROOT/build/src/quenmar-report" "$HOME_DIR/quenmar-report"
# Templates a dojang has adjusted are kept; new ones are added.
cp -rn "$ROOT/report/." "$HOME_DIR/report/" 2>/dev/null || true

unset QUENMAR_HOME
exec "$HOME_DIR/quenmar2000" "$@"
