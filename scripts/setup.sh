#!/usr/bin/env bash
# Installs the Debian 12 packages the game needs to build, test and run.
# As root (or with sudo) it installs what is missing; otherwise it prints the
# exact apt-get line and stops. With --fuzz it also installs clang, which
# only the fuzzing build (`make fuzz`) needs.
set -euo pipefail

packages=(
  g++ cmake make pkg-config python3
  qt6-base-dev qt6-charts-dev qt6-multimedia-dev libqt6opengl6-dev libgl-dev
  zlib1g-dev libzip-dev
  libgtest-dev libgmock-dev libbenchmark-dev
)
for arg in "$@"; do
  case "$arg" in
    --fuzz) packages+=(clang) ;;
    *) echo "setup: unknown option $arg (known: --fuzz)"; exit 2 ;;
  esac
done

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

[ ${#missing[@]} -eq 0 ] && exit 0

line="apt-get install -y --no-install-recommends ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
  echo "setup: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  # shellcheck disable=SC2086
  apt-get install -y -qq --no-install-recommends ${missing[*]}
elif command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
  echo "setup: installing ${missing[*]} with sudo"
  sudo apt-get update -qq
  # shellcheck disable=SC2086
  sudo DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends ${missing[*]}
else
  echo "setup: these packages are missing. Install them as root, then run make again:"
  echo "  sudo apt-get update && sudo $line"
  exit 1
fi
