#!/usr/bin/env bash
# Prints the registry figures: native in-memory, then under Wine the in-memory and the real
# registry, with Wine's own "reg query /s" over the same generated tree for comparison; then the
# page change figures of every page, natively and under Wine on real windows; then save, compare
# and apply of a profile of every page, natively and under Wine on the real registry, and the
# real program's command line under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
./scripts/setup.sh
cmake --preset native >/dev/null
cmake --build --preset native --target registry_bench page_change_bench settings_search_bench \
  profile_bench >/dev/null
cmake --preset windows >/dev/null
cmake --build --preset windows --target registry_bench page_change_bench profile_bench Kalmora2x \
  kalmora_profile_cli_tests >/dev/null

echo "== native"
./build/native/bench/registry_bench all memory

prefix=$(mktemp -d /tmp/kalmora-bench.XXXXXX)
trap 'WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true; rm -rf "$prefix"' EXIT
export WINEPREFIX="$prefix" WINEDEBUG=-all
"$root/scripts/wine-prefix" "$prefix" 2000
exe="$root/build/windows/bench/registry_bench.exe"
echo "== under Wine"
wine "$exe" access both
wine "$exe" generate real
wine "$exe" walk real
wine "$exe" search real
wine "$exe" walk real
start=$(date +%s.%N)
lines=$(wine reg query 'HKCU\Software\KalmoraBench' /s | wc -l)
end=$(date +%s.%N)
awk -v s="$start" -v e="$end" -v l="$lines" \
  'BEGIN { printf "real    reg query /s (Wine)                %12.0f keys/s  (20020 keys, %d lines in %.3f s)\n", 20020/(e-s), l, e-s }'
wine "$exe" cleanup real

echo "== settings search, native"
./build/native/bench/settings_search_bench

echo "== page changes, native"
./build/native/bench/page_change_bench sandbox/registry
echo "== page changes under Wine"
xvfb-run -a -s "-screen 0 1280x1024x24" wine "$root/build/windows/bench/page_change_bench.exe" \
  sandbox/registry

echo "== profiles, native"
./build/native/bench/profile_bench sandbox/registry
echo "== profiles under Wine"
wine "$root/build/windows/bench/profile_bench.exe" sandbox/registry
wineserver -w
echo "== the program's command line under Wine (process start included)"
"$root/scripts/run-app-gui" 2000 "$root/build/windows/tests/app_gui/kalmora_profile_cli_tests.exe" \
  "$root/build/windows/src/Kalmora2x.exe" | grep '^\[bench\]'
