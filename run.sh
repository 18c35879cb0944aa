#!/usr/bin/env bash
# Builds Kalmora2x.exe and runs it under Wine in a sandbox prefix of its own (never ~/.wine).
#
# usage: ./run.sh [--windows nt4|2000|xp] [--fresh] [--installer] [--screenshot FILE]
#   --windows     the Windows version Wine pretends to be (default 2000)
#   --installer   build the (64-bit) installer and install the program with it, silently
#   --fresh       throw the sandbox prefix away and make it anew
#   --screenshot  run on a virtual display, save a picture of the main window and stop
# Without a display (no $DISPLAY) the program runs on a virtual display and a screenshot is
# saved to artifacts/ instead.
set -euo pipefail
cd "$(dirname "$0")"
root=$(pwd)

version=2000
fresh=0
screenshot=""
installer=0
while [ $# -gt 0 ]; do
  case "$1" in
    --windows) version=${2:?}; shift 2 ;;
    --fresh) fresh=1; shift ;;
    --installer) installer=1; shift ;;
    --screenshot) screenshot=${2:?}; shift 2 ;;
    -h|--help) sed -n '2,11p' "$0"; exit 0 ;;
    *) echo "run.sh: unknown option $1" >&2; exit 2 ;;
  esac
done
case "$version" in nt4|2000|xp) ;; *) echo "run.sh: --windows takes nt4, 2000 or xp" >&2; exit 2 ;; esac

./scripts/setup.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target Kalmora2x reg_import

prefix="$root/.sandbox/$version"
[ "$fresh" = 1 ] && rm -rf "$prefix"
if [ "$installer" = 1 ]; then
  KALMORA_SETUP=$(./scripts/build-installer --test64 | tail -n 1)
  export KALMORA_SETUP
fi
./scripts/sandbox "$prefix" "$version"
export WINEPREFIX="$prefix" WINEDEBUG=-all
program='C:\Programme\Kalmora2x\Kalmora2x.exe'

if [ -z "$screenshot" ] && [ -n "${DISPLAY:-}" ]; then
  echo "run.sh: starting Kalmora 2x as Windows $version (prefix $prefix)"
  exec wine "$program"
fi

[ -n "$screenshot" ] || screenshot="$root/artifacts/kalmora-$version.png"
mkdir -p "$(dirname "$screenshot")"
./scripts/screenshot-run "$screenshot" "Kalmora 2x" wine "$program"
echo "run.sh: no display here; the program ran on a virtual display as Windows $version."
echo "run.sh: screenshot of the main window: $screenshot"
