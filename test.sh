#!/usr/bin/env bash
# Installs what is missing, builds every preset and runs every suite: native; the shipped 32-bit
# program, compiled and checked against what NT 4.0 SP6 has (this machine cannot run it); the
# same source for 64 bits under Wine in a throw-away prefix; then the native tests again under
# ASan + UBSan and the fuzz targets for a bounded time. Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")"
root=$(pwd)

stage_start=$SECONDS
took() {
  echo "-- $1: $((SECONDS - stage_start)) s"
  stage_start=$SECONDS
}

./scripts/setup.sh
took "setup"

echo "== native build and tests"
cmake --preset native >/dev/null
cmake --build --preset native
ctest --preset native
took "native"

echo "== 32-bit Windows build (the shipped program) and its NT 4.0 import check"
cmake --preset windows-i686 >/dev/null
cmake --build --preset windows-i686
ctest --preset windows-i686
took "32-bit Windows"

echo "== 64-bit Windows build and tests under Wine"
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
# Drive A: as a folder, for the boot floppy made on the prefix.
"$root/scripts/floppy-drive" "$prefix"
# The GUI tests leave screenshots here (as .bmp; turned into .png for people to look at).
export KALMORA_ARTIFACTS=$root/artifacts/gui
mkdir -p "$KALMORA_ARTIFACTS"
xvfb-run -a -s "-screen 0 1280x1024x24" ctest --preset windows
for bitmap in "$KALMORA_ARTIFACTS"/*.bmp; do
  if [ -e "$bitmap" ]; then convert "$bitmap" "${bitmap%.bmp}.png"; fi
done
# A change set exported by the journal test, imported by the system's regedit into a prefix that
# never saw it, must give the values the set left.
"$root/scripts/fresh-import" "$KALMORA_ARTIFACTS/journal-changes.reg" \
  "$KALMORA_ARTIFACTS/journal-after.txt" "$root/build/windows/tests/kalmora_tests.exe"
took "64-bit Windows under Wine"

echo "== the installer under Wine as NT 4.0, 2000 and XP, and the shipped installer"
KALMORA_ARTIFACTS=$root/artifacts/installer ./scripts/installer-test
./scripts/build-installer
took "installer"

echo "== native tests under AddressSanitizer and UndefinedBehaviorSanitizer (clang)"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
ctest --preset fuzz
took "sanitized native tests"

echo "== fuzz targets (${KALMORA_FUZZ_SECONDS:-20} s each)"
./scripts/run-fuzzers "${KALMORA_FUZZ_SECONDS:-20}"
took "fuzz"

echo "== all suites passed"
