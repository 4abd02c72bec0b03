#!/usr/bin/env bash
# Builds SDL2 and SDL2_mixer for Windows (x86_64, mingw-w64) from Debian's own
# source packages, once, into a cache folder named by their versions:
#   ${KESTREL_CACHE:-~/.cache/kestrel}/windows-deps/sdl2-2.26.5-mixer-2.6.2/
#     bin/SDL2.dll bin/SDL2_mixer.dll  include/  lib/  licenses/
# Later runs find the folder complete and do nothing. No prebuilt Windows
# binary is downloaded: the sources come from bookworm's deb-src through an
# apt state of this script's own, so the machine's apt sources stay as they
# are. SDL2_mixer is built with its own WAV and MP3 (dr_mp3) decoders and no
# optional external library.
# Prints the cache folder on its last line.
#   scripts/windows_deps.sh            install the toolchain if missing, build
#   KESTREL_JOBS=N                     parallel compile jobs (default 2)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"

sdl_version=2.26.5
mixer_version=2.6.2
cache="${KESTREL_CACHE:-$HOME/.cache/kestrel}/windows-deps"
prefix="$cache/sdl2-$sdl_version-mixer-$mixer_version"
jobs="${KESTREL_JOBS:-2}"

if [ -f "$prefix/.complete" ]; then
  echo "$prefix"
  exit 0
fi

# The cross compiler, Wine for the tests, and apt's source tools.
bash "$root/scripts/install-deps.sh" g++-mingw-w64-x86-64-posix wine wine64 \
  dpkg-dev debian-archive-keyring zip >&2

# Work files stay until both libraries are installed, so that a run that
# stopped half-way resumes after the last finished step.
work="$cache/work"
mkdir -p "$work/apt/lists/partial" "$work/apt/cache/archives/partial" "$work/src"

# ---- The sources, from Debian --------------------------------------------------
cat >"$work/apt/sources.list" <<'EOF'
deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://deb.debian.org/debian bookworm main
EOF
apt_options=(-o "Dir::Etc::SourceList=$work/apt/sources.list" -o Dir::Etc::SourceParts=/dev/null
             -o "Dir::State::Lists=$work/apt/lists" -o "Dir::Cache=$work/apt/cache"
             -o Debug::NoLocking=1 -o APT::Sandbox::User="$(id -un)")
if [ ! -f "$work/.sources" ]; then
  rm -rf "$work/src" && mkdir -p "$work/src"
  apt-get "${apt_options[@]}" -qq update >&2
  (cd "$work/src" && apt-get "${apt_options[@]}" -qq source --download-only libsdl2 libsdl2-mixer >&2)
  touch "$work/.sources"
fi

# apt checked every downloaded file against the signed archive index, so
# dpkg-source need not check the .dsc signature again (--no-check); it
# applies Debian's patches as it unpacks.
unpack() { # <package> <version> -> prints the unpacked folder
  local dsc
  dsc="$(ls "$work/src/$1"_"$2"[+-]*.dsc 2>/dev/null | head -n1)"
  [ -n "$dsc" ] || { echo "windows_deps: Debian no longer offers $1 $2 ($(ls "$work/src"))" >&2; exit 1; }
  [ -d "$work/src/$1-src" ] || (cd "$work/src" && dpkg-source --no-check -x "$dsc" "$1-src" >&2)
  echo "$work/src/$1-src"
}
sdl_src="$(unpack libsdl2 "$sdl_version")"
mixer_src="$(unpack libsdl2-mixer "$mixer_version")"

# ---- The builds ----------------------------------------------------------------
# The same compiler and link rules as the programs: posix threads, static
# compiler runtime, no PE time stamp (so the DLLs repeat byte for byte).
toolchain="$root/cmake/toolchains/mingw-w64-x86_64.cmake"
common=(-G "Unix Makefiles" -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release
        -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_C_FLAGS="-ffile-prefix-map=$work=."
        -DBUILD_SHARED_LIBS=ON)

if [ ! -f "$work/.sdl2" ]; then
  cmake -S "$sdl_src" -B "$work/build-sdl2" "${common[@]}" \
    -DSDL_SHARED=ON -DSDL_STATIC=OFF -DSDL_TEST=OFF -DSDL2_DISABLE_SDL2MAIN=OFF >&2
  cmake --build "$work/build-sdl2" -j"$jobs" >&2
  cmake --install "$work/build-sdl2" >&2
  touch "$work/.sdl2"
fi

cmake -S "$mixer_src" -B "$work/build-mixer" "${common[@]}" \
  -DSDL2_LIBRARY="$prefix/lib/libSDL2.dll.a" -DSDL2_INCLUDE_DIR="$prefix/include/SDL2" \
  -DSDL2MIXER_VENDORED=OFF -DSDL2MIXER_SAMPLES=OFF \
  -DSDL2MIXER_DEPS_SHARED=OFF \
  -DSDL2MIXER_WAVE=ON -DSDL2MIXER_MP3=ON -DSDL2MIXER_MP3_DRMP3=ON -DSDL2MIXER_MP3_MPG123=OFF \
  -DSDL2MIXER_CMD=OFF -DSDL2MIXER_FLAC=OFF -DSDL2MIXER_MOD=OFF -DSDL2MIXER_MIDI=OFF \
  -DSDL2MIXER_OPUS=OFF -DSDL2MIXER_VORBIS="" >&2
cmake --build "$work/build-mixer" -j"$jobs" >&2
cmake --install "$work/build-mixer" >&2

# ---- Licences --------------------------------------------------------------------
mkdir -p "$prefix/licenses"
cp "$sdl_src/LICENSE.txt" "$prefix/licenses/SDL2-LICENSE.txt"
cp "$mixer_src/LICENSE.txt" "$prefix/licenses/SDL2_mixer-LICENSE.txt"
cp "$sdl_src/debian/copyright" "$prefix/licenses/SDL2-debian-copyright.txt"
cp "$mixer_src/debian/copyright" "$prefix/licenses/SDL2_mixer-debian-copyright.txt"

rm -rf "$work"
touch "$prefix/.complete"
echo "$prefix"
