#!/usr/bin/env bash
# Installs what is missing, builds every preset it needs once and runs every suite: the native
# tests under ASan + UBSan; the shipped 32-bit program, checked against what NT 4.0 SP6 and the
# Pentium have; its installer; the Wine suites on that 32-bit program under a 32-bit Wine in an
# i386 Debian root (or, where the kernel runs no 32-bit programs, on a 64-bit build of the same
# source under the host's Wine); then the fuzz targets for a bounded time. Exits non-zero on any
# failure.
#
# KALMORA_WINE_BITS=32 or 64 picks the Wine leg instead of asking the kernel.
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

# The portable code's tests run once natively, under the sanitizers: the plain native build
# would run the same tests on the same code, and the Windows builds are g++'s compile of it.
echo "== native build and tests under AddressSanitizer and UndefinedBehaviorSanitizer (clang)"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
ctest --preset fuzz
took "native (sanitized)"

echo "== 32-bit Windows build (the shipped program) and its NT 4.0 import check"
cmake --preset windows-i686 >/dev/null
cmake --build --preset windows-i686
ctest --preset windows-i686
took "32-bit Windows"

echo "== the help file and the shipped installer"
export KALMORA_HELPGEN_PRESET=fuzz
setup32=$(./scripts/build-installer | tail -n 1)
took "installer build"

bits=${KALMORA_WINE_BITS:-}
if [ -z "$bits" ]; then
  if why=$(./scripts/runs-32bit); then
    # A root that cannot be made or entered here (no mirror, no namespaces) is this machine's
    # limit, not a fault of the program: then the suites run as where no 32-bit program runs.
    if ./scripts/i386-root ensure && ./scripts/i386-root check; then bits=32; else
      echo "test.sh: the i386 root with its 32-bit Wine is not usable here; the Wine suites run on the 64-bit build instead"
      bits=64
    fi
    took "i386 root"
  else
    echo "test.sh: $why; the Wine suites run on the 64-bit build instead"
    bits=64
  fi
fi
if [ "$bits" = 32 ]; then
  echo "== the Wine suites on the shipped 32-bit program, under 32-bit Wine in an i386 root"
  ./scripts/i386-root ensure
  ./scripts/i386-root run scripts/wine-suites "$root/build/windows-i686" windows-i686-wine \
    "$setup32"
  took "Wine suites (32-bit)"
else
  echo "== the Wine suites on the 64-bit build, under the host's 64-bit Wine"
  cmake --preset windows >/dev/null
  cmake --build --preset windows
  setup64=$(./scripts/build-installer --test64 | tail -n 1)
  took "64-bit Windows build"
  ./scripts/wine-suites "$root/build/windows" windows "$setup64"
  took "Wine suites (64-bit)"
fi

echo "== fuzz targets (${KALMORA_FUZZ_SECONDS:-20} s each)"
./scripts/run-fuzzers "${KALMORA_FUZZ_SECONDS:-20}"
took "fuzz"

echo "== all suites passed"
