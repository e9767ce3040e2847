#!/usr/bin/env bash
# Builds the program and starts it; arguments go to vantir (for example --dir PATH).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$root/build}"
"$root/scripts/build.sh" --target vantir vantir-cli
exec "$build/src/app/vantir" "$@"
