#!/usr/bin/env bash
# Runs the Quillon wizard under Wine against the local demo gateway.
# Installs and builds what is missing first. The wizard shows on $DISPLAY; with
# no display it runs on a private Xvfb screen and a screenshot of that screen
# is saved every few seconds to build/demo/screen.png.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

bash tools/setup.sh
bash tools/build.sh x86_64 >/dev/null

bin="$root/build/x86_64"
quillon="$bin/client/Quillon.exe"
gateway="$bin/tools/demo-gateway/demo-gateway.exe"
[ -f "$quillon" ] || { echo "run-quillon: $quillon was not built" >&2; exit 1; }

source tools/wine-env.sh
demo="$root/build/demo"
mkdir -p "$demo"
headless=0
[ -n "${DISPLAY:-}" ] || headless=1
wine_env_start "$demo"   # keeps its prefix between runs
trap 'kill ${gateway_pid:-} ${shots_pid:-} 2>/dev/null; wine_env_stop' EXIT

# The wizard reads its gateway from a fixed path on drive C.
port=27666
config_dir="$WINEPREFIX/drive_c/localdb/win32"
mkdir -p "$config_dir"
printf 'ACTIVATE_URL=http://127.0.0.1:%s/LRS/Wayfarer\r\nACTIVATE_SERVICENAME=tarn.wayfarer.lrs.NewClientIdExist\r\n' \
  "$port" > "$config_dir/ZELServer.ini"

# Wine sees the Unix root as drive Z:.
record="Z:${demo//\//\\}\\last-request.txt"
"$WINE" "$gateway" --port "$port" --record "$record" > "$demo/gateway.log" 2>&1 &
gateway_pid=$!

if [ "$headless" = 1 ]; then
  echo "run-quillon: no display; the wizard runs on Xvfb $DISPLAY, screenshots in $demo/screen.png"
  ( while sleep 3; do import -display "$DISPLAY" -window root "$demo/screen.png" 2>/dev/null || true; done ) &
  shots_pid=$!
fi

echo "run-quillon: demo gateway on 127.0.0.1:$port (log: $demo/gateway.log); run log: $config_dir/ZELRegister.log"
"$WINE" "$quillon"
