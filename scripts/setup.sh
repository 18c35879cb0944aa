#!/usr/bin/env bash
# Installs what the build needs on a Debian 12 machine, cross-builds libjpeg for mingw-w64
# (32-bit for the shipped program, 64-bit for the Wine suites where no 32-bit program runs) and
# the shipped program's runtime libraries for the Pentium (scripts/build-i586-runtime).
# Safe to run again: it only installs what is missing.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

packages=(cmake ninja-build g++ clang libclang-rt-14-dev googletest libjpeg-dev
          g++-mingw-w64-x86-64 g++-mingw-w64-i686 wine64 xvfb xauth x11-apps x11-utils imagemagick dpkg-dev
          nsis fp-utils gcc-12-source libgmp-dev libmpfr-dev libmpc-dev bzip2)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

as_root() { if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi; }

src_list=/etc/apt/sources.list.d/kalmora-src.sources
need_src=0
[ -f "$src_list" ] || need_src=1
if [ "$need_src" = 1 ]; then
  echo "setup: adding a deb-src entry for Debian's source packages"
  as_root tee "$src_list" >/dev/null <<'SRC'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SRC
fi

if [ ${#missing[@]} -gt 0 ] || [ "$need_src" = 1 ]; then
  echo "setup: apt-get update"
  as_root apt-get update -qq
fi
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" >/dev/null
fi

# libjpeg for both Windows builds, cross-built from Debian's own source package.
# Built anew when the toolchain file changes (its processor flags go into the library).
jpeg_recipe() { sha1sum "$root/cmake/mingw-w64-common.cmake" "$root/cmake/mingw-w64-$1.cmake" | cut -c1-12 | tr '\n' ' '; }
jpeg_ready() {
  local deps="$root/.deps/$1-w64-mingw32"
  [ -f "$deps/lib/libjpeg.a" ] && [ "$(cat "$deps/.recipe" 2>/dev/null)" = "$(jpeg_recipe "$1")" ]
}
build_jpeg() {
  local arch=$1 work=$2
  local deps="$root/.deps/$arch-w64-mingw32"
  jpeg_ready "$arch" && return
  echo "setup: cross-building libjpeg-turbo for $arch-w64-mingw32"
  cmake -S "$srcdir" -B "$work/build-$arch" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-$arch.cmake" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$deps" -DENABLE_SHARED=OFF -DWITH_TURBOJPEG=OFF -DWITH_SIMD=OFF -Wno-dev >/dev/null
  cmake --build "$work/build-$arch" --target jpeg-static -j 2 >/dev/null
  mkdir -p "$deps/lib" "$deps/include"
  cp "$work/build-$arch/libjpeg.a" "$deps/lib/"
  cp "$work/build-$arch/jconfig.h" "$srcdir/jpeglib.h" "$srcdir/jmorecfg.h" "$srcdir/jerror.h" \
    "$deps/include/"
  jpeg_recipe "$arch" >"$deps/.recipe"
}
if ! jpeg_ready i686 || ! jpeg_ready x86_64; then
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
  (cd "$work" && apt-get source --download-only -qq libjpeg-turbo >/dev/null 2>&1)
  tar -C "$work" -xzf "$work"/libjpeg-turbo_*.orig.tar.gz
  srcdir=$(find "$work" -maxdepth 1 -type d -name 'libjpeg-turbo-*' | head -n 1)
  build_jpeg i686 "$work"
  build_jpeg x86_64 "$work"
fi

"$root/scripts/build-i586-runtime"
