#!/usr/bin/env bash
# Prints the registry figures: native in-memory, then under Wine the in-memory and the real
# registry, with Wine's own "reg query /s" over the same generated tree for comparison; then the
# page change figures of every page, natively and under Wine on real windows; then save, compare
# and apply of a profile of every page, natively and under Wine on the real registry, and the
# real program's command line under Wine; then the real
# program measured from outside against an empty-window program on NT 4.0, 2000 and XP.
# usage: bench/run.sh [all|registry|program]
# The program leg measures KALMORA_EXE (default: the 64-bit build, which is what this machine's
# Wine runs; any exe path, such as the 32-bit release build where it runs) with the drivers of
# KALMORA_BENCH_BUILD (default build/windows).
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
  cmake --preset windows >/dev/null
  cmake --build --preset windows --target Kalmora2x reg_import app_bench empty_window \
    startup_bench >/dev/null
  build=${KALMORA_BENCH_BUILD:-$root/build/windows}
  exe=${KALMORA_EXE:-$root/build/windows/src/Kalmora2x.exe}
  # Measured as shipped: without its debug information, whose size alone slows the loading.
  shipped=$(mktemp -d /tmp/kalmora-shipped.XXXXXX)
  case "$(file -b "$exe")" in
    PE32+*) strip=x86_64-w64-mingw32-strip ;;
    *) strip=i686-w64-mingw32-strip ;;
  esac
  "$strip" -o "$shipped/Kalmora2x.exe" "$exe"
  cp "$(dirname "$exe")/reg_import.exe" "$shipped/"
  echo "== the program against an empty window, under Wine ($exe, stripped)"
  for version in nt4 2000 xp; do
    sandbox=$(mktemp -d /tmp/kalmora-bench-$version.XXXXXX)
    trap 'WINEPREFIX="$sandbox" wineserver -k 2>/dev/null || true; rm -rf "$sandbox"' EXIT
    KALMORA_EXE=$shipped/Kalmora2x.exe "$root/scripts/sandbox" "$sandbox" "$version" >/dev/null
    cp "$build/bench/empty_window.exe" "$sandbox/drive_c/"
    echo "-- $version: start-up step by step (the program's composition, in-process)"
    WINEPREFIX="$sandbox" WINEDEBUG=-all KALMORA_WINDOWS=$version \
      xvfb-run -a -s "-screen 0 1280x1024x24" wine "$build/bench/startup_bench.exe" 2>/dev/null
    WINEPREFIX="$sandbox" wineserver -w
    echo "-- $version: start-up and every page, from outside"
    WINEPREFIX="$sandbox" WINEDEBUG=-all KALMORA_WINDOWS=$version \
      xvfb-run -a -s "-screen 0 1280x1024x24" wine "$build/bench/app_bench.exe" \
      'C:\Programme\Kalmora2x\Kalmora2x.exe' 'C:\empty_window.exe' 2>/dev/null
    WINEPREFIX="$sandbox" wineserver -k 2>/dev/null || true
    rm -rf "$sandbox"
  done
  rm -rf "$shipped"
fi
