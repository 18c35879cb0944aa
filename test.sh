#!/usr/bin/env bash
# Installs what is missing, builds the presets and runs every suite: native, then under Wine
# in a throw-away prefix, then the native tests again under ASan + UBSan and the fuzz targets for
# a bounded time. Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")"
root=$(pwd)

./scripts/setup.sh

echo "== native build and tests"
cmake --preset native >/dev/null
cmake --build --preset native
ctest --preset native

echo "== Windows build and tests under Wine"
cmake --preset windows >/dev/null
cmake --build --preset windows
prefix=$(mktemp -d /tmp/kalmora-wine.XXXXXX)
cleanup() {
  WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true
  rm -rf "$prefix"
}
trap cleanup EXIT
export WINEPREFIX="$prefix" WINEDEBUG=-all
"$root/scripts/wine-prefix" "$prefix" 2000
# The GUI tests leave screenshots here (as .bmp; turned into .png for people to look at).
export KALMORA_ARTIFACTS=$root/artifacts/gui
mkdir -p "$KALMORA_ARTIFACTS"
xvfb-run -a -s "-screen 0 1280x1024x24" ctest --preset windows
for bitmap in "$KALMORA_ARTIFACTS"/*.bmp; do
  if [ -e "$bitmap" ]; then convert "$bitmap" "${bitmap%.bmp}.png"; fi
done

echo "== native tests under AddressSanitizer and UndefinedBehaviorSanitizer (clang)"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
ctest --preset fuzz

echo "== fuzz targets (${KALMORA_FUZZ_SECONDS:-20} s each)"
./scripts/run-fuzzers "${KALMORA_FUZZ_SECONDS:-20}"

echo "== all suites passed"
