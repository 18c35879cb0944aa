#!/usr/bin/env bash
# Prints the registry figures: native in-memory, then under Wine the in-memory and the real
# registry, with Wine's own "reg query /s" over the same generated tree for comparison; then the
# page change figures of every page, natively and under Wine on real windows; then save, compare
# and apply of a profile of every page, natively and under Wine on the real registry, and the
# real program's command line under Wine; then the real
# program measured from outside against an empty-window program on NT 4.0, 2000 and XP.
# usage: bench/run.sh [all|registry|program]
# The program leg measures the 32-bit release build under the i386 root's 32-bit Wine where the
# kernel runs 32-bit programs, otherwise the 64-bit build under the host's Wine;
# KALMORA_BENCH_BITS=32 or 64 picks by hand.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
leg=${1:-all}
./scripts/setup.sh
if [ "$leg" = all ] || [ "$leg" = registry ]; then
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
wineserver -w  # a display-less wineserver left running makes the next GUI wait forever
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
WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true
rm -rf "$prefix"
trap - EXIT
fi

if [ "$leg" = all ] || [ "$leg" = program ]; then
  # The program as users run it: the 32-bit release build under a 32-bit Wine in the i386 root,
  # where this kernel runs 32-bit programs; otherwise the 64-bit build under the host's Wine.
  bits=${KALMORA_BENCH_BITS:-}
  if [ -z "$bits" ]; then
    if ./scripts/runs-32bit >/dev/null && ./scripts/i386-root ensure >/dev/null &&
      ./scripts/i386-root check; then bits=32; else bits=64; fi
  fi
  if [ "$bits" = 32 ]; then preset=windows-i686; strip=i686-w64-mingw32-strip
  else preset=windows; strip=x86_64-w64-mingw32-strip; fi
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" --target Kalmora2x reg_import app_bench empty_window same_windows \
    startup_bench >/dev/null
  build=$root/build/$preset
  # Measured as shipped: without its debug information, whose size alone slows the loading. The
  # copy stays inside the project, which the i386 root sees at its own path.
  shipped=$root/build/bench-shipped
  rm -rf "$shipped" && mkdir -p "$shipped"
  "$strip" -o "$shipped/Kalmora2x.exe" "$build/src/Kalmora2x.exe"
  # The start-up trace is the program's own composition: stripped alike, or its loading would
  # count the debug information (an 80 MB file reaches main tens of milliseconds later).
  "$strip" -o "$shipped/startup_bench.exe" "$build/bench/startup_bench.exe"
  cp "$build/src/reg_import.exe" "$shipped/"
  echo "== the program against an empty window, under $bits-bit Wine ($preset, stripped)"
  if [ "$bits" = 32 ]; then
    ./scripts/i386-root run bench/measure-program "$build" "$shipped"
  else
    wineserver -w 2>/dev/null || true
    bench/measure-program "$build" "$shipped"
  fi
  rm -rf "$shipped"
fi
