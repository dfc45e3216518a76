#!/usr/bin/env bash
# Installs what the build and the tests need on a Debian 12 machine.
# Safe to run again: every step checks first and does nothing when all is present.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
cache="$root/build/cache"
mkdir -p "$cache"

as_root() { if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi; }

packages=(
  g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix
  wine64 gsoap xvfb xauth locales fonts-wqy-microhei
  imagemagick dpkg-dev cmake ninja-build googletest x11-utils
  libicu-dev pkg-config
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

# The runtime of the SOAP library comes from its source package.
src_sources=/etc/apt/sources.list.d/project-deb-src.sources
need_src=0
ls "$cache"/gsoap-*/gsoap/stdsoap2.cpp >/dev/null 2>&1 || need_src=1
if [ "$need_src" = 1 ] && [ ! -f "$src_sources" ]; then
  # Same archives as the binary packages, source entries only.
  if [ -f /etc/apt/sources.list.d/debian.sources ]; then
    sed -e 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources | as_root tee "$src_sources" >/dev/null
  else
    grep -E '^deb ' /etc/apt/sources.list | sed 's/^deb /deb-src /' | as_root tee /etc/apt/sources.list.d/project-deb-src.list >/dev/null
    src_sources=/etc/apt/sources.list.d/project-deb-src.list
  fi
  missing+=(__update__)
fi

if [ ${#missing[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  as_root apt-get update -qq
  real=()
  for p in "${missing[@]}"; do [ "$p" = __update__ ] || real+=("$p"); done
  [ ${#real[@]} -eq 0 ] || as_root apt-get install -y -qq --no-install-recommends "${real[@]}" >/dev/null
fi

if [ "$need_src" = 1 ]; then
  (cd "$cache" && apt-get source -qq gsoap >/dev/null 2>&1 || apt-get source gsoap)
fi

# Code page 936 under Wine comes from a Chinese locale.
if ! locale -a 2>/dev/null | grep -qi '^zh_CN\.utf8$'; then
  as_root sed -i -e 's/^# *\(zh_CN.UTF-8 UTF-8\)/\1/' -e 's/^# *\(en_US.UTF-8 UTF-8\)/\1/' -e 's/^# *\(ja_JP.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' | as_root tee -a /etc/locale.gen >/dev/null
  as_root locale-gen >/dev/null
fi

echo "setup: ready"
