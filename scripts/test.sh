#!/usr/bin/env bash
# Builds everything and runs the whole test suite; the failing tests' output is printed.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$root/build}"
"$root/scripts/build.sh"
cd "$build"
ctest --output-on-failure --timeout 300 -j "$(nproc)"
