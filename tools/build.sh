#!/usr/bin/env bash
# Configures and builds one target: i686 (release deliverables) or x86_64 (tests).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
arch=${1:?usage: build.sh i686|x86_64}
case "$arch" in
  i686)   tests=OFF ;;
  x86_64) tests=ON ;;
  *) echo "build.sh: unknown target '$arch'" >&2; exit 2 ;;
esac
cmake -S "$root" -B "$root/build/$arch" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-$arch-w64-mingw32.cmake" \
  -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTS=$tests >/dev/null
cmake --build "$root/build/$arch"
