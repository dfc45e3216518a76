#!/usr/bin/env bash
# The whole test run: installs what is missing, builds the 32-bit release and the
# 64-bit test build, then runs every test program under Wine.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

bash tools/setup.sh
bash tools/build.sh i686
bash tools/build.sh x86_64

source tools/wine-env.sh
run_dir="$root/build/wine-run"
rm -rf "$run_dir"
wine_env_start "$run_dir"
trap wine_env_stop EXIT
export TEST_OUTPUT_DIR="$root/build/test-output"
mkdir -p "$TEST_OUTPUT_DIR"
ctest --test-dir build/x86_64 --output-on-failure -j2 "$@"
