#!/usr/bin/env bash
# Builds the 64-bit test build and prints the agent's benchmark figures, run
# under Wine like the tests.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
bash "$root/tools/build.sh" x86_64 >/dev/null
source "$root/tools/wine-env.sh"
wine_env_start "$root/build/wine-bench"
trap wine_env_stop EXIT
"$WINE" "$root/build/x86_64/agent/elevate-bench.exe"
