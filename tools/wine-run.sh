#!/usr/bin/env bash
# Runs one Windows test program under 64-bit Wine.
# tools/test.sh prepares a prefix, a display and a wineserver for the whole run
# and exports them; started alone, this script makes its own.
set -u
here=$(cd "$(dirname "$0")" && pwd)
if [ -z "${WINEPREFIX:-}" ] || [ -z "${DISPLAY:-}" ]; then
  # shellcheck source=tools/wine-env.sh
  source "$here/wine-env.sh"
  wine_env_start "${TMPDIR:-/tmp}/pelagos-wine-$$"
  trap wine_env_stop EXIT
fi
"$WINE" "$@"
