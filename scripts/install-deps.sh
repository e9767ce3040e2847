#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need,
# asking apt only when one of them is missing.
set -euo pipefail
packages=(
  cmake ninja-build g++
  qt6-base-dev qt6-base-dev-tools libgl-dev
  libsqlite3-dev libcups2-dev
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  fonts-noto-cjk poppler-utils
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  if ! command -v apt-get >/dev/null; then
    echo "install-deps.sh: these Debian packages are missing: ${missing[*]}" >&2
    echo "install-deps.sh: this machine has no apt-get; the set-up expects Debian or Ubuntu." >&2
    exit 1
  fi
  sudo=""
  if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null; then
      echo "install-deps.sh: these Debian packages are missing: ${missing[*]}" >&2
      echo "install-deps.sh: there is no sudo; install them as root with" >&2
      echo "  apt-get install --no-install-recommends ${missing[*]}" >&2
      exit 1
    fi
    sudo="sudo"
  fi
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
