#!/usr/bin/env bash
# Builds the release artefacts of the checked-out commit into dist/:
#   kestrel_VERSION_amd64.deb            the Debian package (CPack, games layout)
#   kestrel-VERSION-linux-x86_64.tar.gz  the portable archive
#   kestrel-VERSION-web.zip              the web site (when scripts/web.sh exists)
#   kestrel-VERSION-windows-x86_64.zip   the Windows programs (mingw-w64, SDL2
#                                        built from Debian's sources)
#   SHA256SUMS
# Two runs of the same commit give the same bytes: every time stamp is the
# commit's (SOURCE_DATE_EPOCH), archive entries are sorted and owned by root,
# and gzip writes no name or time.
# Usage: scripts/release.sh            (installs what it needs with apt-get)
#        KESTREL_RELEASE_FRESH=1 ...   (starts from empty release and web build
#                                      folders: every program and page is built anew)
set -euo pipefail
cd "$(dirname "$0")/.."
root="$PWD"

# ---- What the release needs -------------------------------------------------
bash scripts/install-deps.sh dpkg-dev fakeroot file xz-utils zip

# ---- One version, one time stamp --------------------------------------------
version="$(sed -n 's/^project(Kestrel VERSION \([0-9.]*\) .*/\1/p' CMakeLists.txt)"
[ -n "$version" ] || { echo "release: no project version in CMakeLists.txt" >&2; exit 1; }
SOURCE_DATE_EPOCH="$(git log -1 --format=%ct)"
export SOURCE_DATE_EPOCH TZ=UTC LC_ALL=C.UTF-8
umask 022
if [ -n "$(git status --porcelain --untracked-files=no)" ]; then
  echo "release: note: the working tree has uncommitted changes; the artefacts include them" >&2
fi

# ---- The release build -------------------------------------------------------
# Debian's hardening flags (all of them, bindnow too); the source folder is
# mapped to "." so that no path of this machine ends up in the programs; -s
# strips them (the install also drops their .comment notes).
build="$root/build/package"
[ "${KESTREL_RELEASE_FRESH:-0}" = 1 ] && rm -rf "$build" "$root/build/web"
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cxxflags="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS) -ffile-prefix-map=$root=."
ldflags="$(dpkg-buildflags --get LDFLAGS) -s"
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
  -DKESTREL_DEBIAN_PACKAGE=ON -DKESTREL_BUILD_TESTS=OFF -DKESTREL_BUILD_BENCHMARKS=OFF \
  -DKESTREL_WITH_BENCH=OFF -DKESTREL_WITH_FUZZ=OFF \
  -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$ldflags" >/dev/null
cmake --build "$build" -j2

dist="$root/dist"
rm -rf "$dist"
mkdir -p "$dist"

# Every file an archive takes gets the commit's time.
stamp_tree() { find "$1" -exec touch -h -d "@$SOURCE_DATE_EPOCH" {} +; }

# ---- The Debian package ------------------------------------------------------
deb="kestrel_${version}_amd64.deb"
rm -rf "$build/cpack"
(cd "$build" && cpack -G DEB -B "$build/cpack" >/dev/null)
cp "$build/cpack/$deb" "$dist/$deb"

# ---- The portable archive ----------------------------------------------------
# The installed tree, rearranged: the programs at the top of the folder,
# their data in data/ beside them.
stage="$build/portable"
rm -rf "$stage"
DESTDIR="$stage/install" cmake --install "$build" >/dev/null
top="$stage/kestrel-$version"
mkdir -p "$top"
cp -p "$stage/install/usr/games/"* "$top/"
cp -rp "$stage/install/usr/share/games/kestrel" "$top/data"
cp README.md CHANGELOG.md "$top/"
cp packaging/copyright "$top/COPYRIGHT"
sed "s/@VERSION@/$version/g" packaging/INSTALL.txt >"$top/INSTALL.txt"
chmod -R u=rwX,go=rX "$top"
stamp_tree "$top"
tarball="kestrel-$version-linux-x86_64.tar.gz"
tar -C "$stage" --sort=name --owner=0 --group=0 --numeric-owner --format=gnu \
  -cf - "kestrel-$version" | gzip -9n >"$dist/$tarball"

# ---- The web site ------------------------------------------------------------
web_zip="kestrel-$version-web.zip"
if [ -f scripts/web.sh ]; then
  bash scripts/web.sh --build-only
  site="$root/build/web/site"
  [ -d "$site" ] || { echo "release: scripts/web.sh wrote no $site" >&2; exit 1; }
  stamp_tree "$site"
  (cd "$site" && find . -mindepth 1 -printf '%P\n' | sort | zip -X -q -9 -@ "$dist/$web_zip")
else
  echo "release: NOTICE: scripts/web.sh does not exist yet; $web_zip is not built" >&2
fi

# ---- The Windows zip --------------------------------------------------------
# The five programs cross-built with mingw-w64 (the windows preset, stripped,
# no PE time stamp), SDL2.dll and SDL2_mixer.dll from scripts/windows_deps.sh,
# the release build's pictures and sounds in data/ beside them.
win_zip="kestrel-$version-windows-x86_64.zip"
win_deps="$(bash scripts/windows_deps.sh | tail -n1)"
win_build="$root/build/package-windows"
[ "${KESTREL_RELEASE_FRESH:-0}" = 1 ] && rm -rf "$win_build"
cmake --preset windows -B "$win_build" -DKESTREL_WINDOWS_DEPS="$win_deps" -DKESTREL_NATIVE_RUN_DIR="$build/run" \
  -DCMAKE_CXX_FLAGS="-ffile-prefix-map=$root=." -DCMAKE_EXE_LINKER_FLAGS_RELEASE=-s >/dev/null
cmake --build "$win_build" -j2
win_top="$win_build/zip/kestrel-$version-windows-x86_64"
rm -rf "$win_build/zip"
mkdir -p "$win_top/data" "$win_top/licenses"
for f in "$win_build/run/"*; do
  case "$f" in
    *.exe|*.dll) cp "$f" "$win_top/" ;;
    *) cp "$f" "$win_top/data/" ;;
  esac
done
cp shooter/data/settings.dat shooter/data/high_scores.dat shooter/data/Readme.txt "$win_top/data/"
sed "s/@VERSION@/$version/g" packaging/windows/Readme.txt | sed 's/$/\r/' >"$win_top/Readme.txt"
cp packaging/copyright "$win_top/licenses/Kestrel-COPYRIGHT.txt"
cp "$win_deps/licenses/"* "$win_top/licenses/"
chmod -R u=rwX,go=rX "$win_top"
stamp_tree "$win_top"
(cd "$win_build/zip" && find . -mindepth 1 -printf '%P\n' | sort | zip -X -q -9 -@ "$dist/$win_zip")

# ---- Checksums ---------------------------------------------------------------
(cd "$dist" && find . -maxdepth 1 -type f ! -name SHA256SUMS -printf '%P\n' | sort | xargs sha256sum >SHA256SUMS)
echo "release: $version (SOURCE_DATE_EPOCH=$SOURCE_DATE_EPOCH) in dist/:"
(cd "$dist" && ls -l --time-style=+ | tail -n +2)
