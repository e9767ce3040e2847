#!/usr/bin/env bash
# Builds the program and starts it; arguments go to vantir. Without --dir PATH it runs on
# the program directory ~/Vantir (made on first start), so that the databases, the office
# settings and the lock file never land in the checkout.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$root/build}"
"$root/scripts/build.sh" --target vantir vantir-cli

args=("$@")
has_dir=0
for arg in "$@"; do
  case "$arg" in
    --dir | --dir=*) has_dir=1 ;;
  esac
done
if ((!has_dir)); then
  dir="$HOME/Vantir"
  mkdir -p "$dir"
  echo "run.sh: program directory $dir (--dir PATH chooses another)" >&2
  args=(--dir "$dir" "$@")
fi
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}${QT_QPA_PLATFORM:-}" ]; then
  echo "run.sh: no display found; QT_QPA_PLATFORM=offscreen starts the program without one" >&2
fi
exec "$build/src/app/vantir" "${args[@]}"
