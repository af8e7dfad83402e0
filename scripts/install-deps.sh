#!/usr/bin/env bash
# Installs what the build, the game and the tests need on a Debian machine.
# Runs as root or through sudo; packages already present are skipped.
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  wine wine64
  xvfb xdotool imagemagick x11-utils
  googletest libgtest-dev libbenchmark-dev
  clang libclang-rt-14-dev
  locales python3 unzip
  valgrind bc procps
)

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Instaluję pakiety: ${missing[*]}"
  "${sudo_cmd[@]}" apt-get update
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
fi

# Wine takes its ANSI code page (1250) from a Polish locale.
if ! locale -a 2>/dev/null | grep -qi '^pl_PL\.utf-\?8$'; then
  "${sudo_cmd[@]}" sed -i 's/^# *\(pl_PL.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  "${sudo_cmd[@]}" locale-gen pl_PL.UTF-8
fi
