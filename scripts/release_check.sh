#!/usr/bin/env bash
# Checks the release artefacts as a player would meet them, without changing
# this machine (the package goes into a throwaway root, not onto the system):
#  1. scripts/release.sh builds dist/;
#  2. lintian finds no error and no warning outside the explained ones
#     (docs/packaging.md);
#  3. the AppStream metadata and the desktop entry validate;
#  4. apt-get could install the .deb here (a simulation: its dependencies
#     resolve); unpacked into a throwaway root, the five programs print the
#     version and run a short seeded timedemo from a fresh HOME in an
#     unrelated folder, showing the same picture as the build's programs in
#     their run folder; relative paths of --timedemo and --shot mean the
#     starting folder; afterwards the root holds exactly the package's files
#     and the package has no maintainer scripts or conffiles, so removing it
#     leaves nothing of it on disk while the player's files stay;
#  5. the portable archive unpacks to kestrel-VERSION/ in a temporary folder
#     and runs the same way from another one, keeping the user files in
#     $XDG_DATA_HOME;
#  6. the web zip, when built, lists exactly the site's files; the Windows
#     zip unpacks under Wine into a folder whose name has a space and a
#     non-ASCII letter, and its programs run from another folder, showing the
#     same pictures, their player files in %APPDATA%\kestrel;
#  7. a second run of scripts/release.sh, from empty release and web build
#     folders, gives the same bytes (SHA256SUMS): the compilers, the linkers
#     and the packaging all repeat themselves.
# KESTREL_RELEASE_FRESH=1 makes the first run start from empty folders too.
set -euo pipefail
cd "$(dirname "$0")/.."
root="$PWD"
started=$SECONDS
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy DEBIAN_FRONTEND=noninteractive

fail() { echo "release check: FAILED: $*" >&2; exit 1; }
step() { echo "release check: [$((SECONDS - started)) s] $*"; }

bash scripts/install-deps.sh lintian unzip appstream desktop-file-utils

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# ---- 1. The artefacts ---------------------------------------------------------
step "building the release"
bash scripts/release.sh >"$work/release1.log" 2>&1 || { tail -40 "$work/release1.log"; fail "scripts/release.sh"; }
cp dist/SHA256SUMS "$work/SHA256SUMS.first"
version="$(sed -n 's/^project(Kestrel VERSION \([0-9.]*\) .*/\1/p' CMakeLists.txt)"
deb="dist/kestrel_${version}_amd64.deb"
tarball="dist/kestrel-$version-linux-x86_64.tar.gz"
web_zip="dist/kestrel-$version-web.zip"
[ -f "$deb" ] || fail "no $deb"
[ -f "$tarball" ] || fail "no $tarball"
(cd dist && sha256sum -c --quiet SHA256SUMS) || fail "SHA256SUMS does not match dist/"

# ---- 2. lintian -----------------------------------------------------------------
# Warnings that are explained in docs/packaging.md and stay.
explained_warnings=(
  initial-upload-closes-no-bugs  # not uploaded to Debian, no ITP bug to close
)
step "lintian"
lintian --display-info --pedantic "$deb" >"$work/lintian.txt" 2>&1 || true
grep -v '^N:' "$work/lintian.txt" | grep -v 'running with root privileges' || true
grep -q '^E:' "$work/lintian.txt" && fail "lintian reports errors"
while read -r tag; do
  printf '%s\n' "${explained_warnings[@]}" | grep -qx "$tag" || fail "lintian warning $tag is not explained"
done < <(sed -n 's/^W: kestrel[^:]*: \([^ ]*\).*/\1/p' "$work/lintian.txt")

# ---- 3. Metadata ---------------------------------------------------------------
step "AppStream metadata and desktop entry"
dpkg-deb -x "$deb" "$work/deb"
appstreamcli validate --no-net "$work/deb/usr/share/metainfo/io.github.kestrel.Shooter.metainfo.xml" ||
  fail "appstreamcli validate"
grep -q "<release version=\"$version\"" "$work/deb/usr/share/metainfo/io.github.kestrel.Shooter.metainfo.xml" ||
  fail "the AppStream metadata has no release $version"
desktop-file-validate "$work/deb/usr/share/applications/io.github.kestrel.Shooter.desktop" || fail "desktop-file-validate"
zcat "$work/deb/usr/share/man/man6/shooter.6.gz" | grep -q "Kestrel $version" || fail "the manual page is not of $version"

# ---- 4. Install into a throwaway root, run, remove ----------------------------------
step "installing $deb into a throwaway root"
# apt-get's simulation resolves the package's dependencies against this
# machine's packages without installing anything.
apt-get install --simulate "./$deb" >"$work/apt.log" 2>&1 || { cat "$work/apt.log"; fail "apt-get cannot install $deb"; }
# Unpacking is all that installing does when the package brings no maintainer
# scripts and no conffiles, and removing is deleting its files.
dpkg-deb -e "$deb" "$work/control"
extra="$(ls "$work/control" | grep -vxE 'control|md5sums' || true)"
[ -z "$extra" ] || fail "the package has $extra: unpacking it no longer shows what installing it does"
installed="$work/root"
dpkg-deb -x "$deb" "$installed"
games="$installed/usr/games"  # the programs find their data relative to themselves
# The package's own list: every path it installs, as dpkg -L would list it.
package_paths() { sed -e 's|^\./|/|' -e 's|/$||' | grep -v '^\.\?$' | sort; }
dpkg-deb --fsys-tarfile "$deb" | tar -t | package_paths >"$work/package_files.txt"
[ "$("$games/shooter" --version)" = "shooter (Kestrel) $version" ] || fail "shooter --version: $("$games/shooter" --version)"
for demo in kestrel-flight-test kestrel-flight-test-plain kestrel-timing-test kestrel-collision-test; do
  # The demo programs name themselves as in the build (flight_test ...).
  "$games/$demo" --version | grep -qx "[a-z_]* (Kestrel) $version" || fail "$demo --version: $("$games/$demo" --version)"
done

home="$work/home"
elsewhere="$work/elsewhere"
mkdir -p "$home" "$elsewhere" "$work/shots"
printf '5 close\n' >"$work/close.txt"
printf '2 down Esc\n2.1 up Esc\n3 down Space\n3.1 up Space\n4 close\n' >"$work/demo_keys.txt"
# Installed name and build name of each program. A seeded timedemo's picture
# at one second, taken by the build's own program in its run folder, is the
# reference: the installed program shows the same only when it found its
# pictures (a program without them still runs, drawing less).
programs=(shooter:shooter kestrel-flight-test:flight_test kestrel-flight-test-plain:flight_test_plain
          kestrel-timing-test:timing_test kestrel-collision-test:collision_test)
keys_of() { if [ "$1" = shooter ]; then echo "$work/close.txt"; else echo "$work/demo_keys.txt"; fi; }
(
  cd "$root/build/package/run"
  for row in "${programs[@]}"; do
    ./"${row#*:}" --seed 1 --timedemo "$(keys_of "${row%%:*}")" --shot "1:$work/shots/${row%%:*}.reference.bmp" \
      >/dev/null || exit 1
  done
) || fail "the build's programs failed in their run folder"
(
  cd "$elsewhere"
  for row in "${programs[@]}"; do
    name="${row%%:*}"
    env -u XDG_DATA_HOME HOME="$home" "$games/$name" --seed 1 --timedemo "$(keys_of "$name")" \
      --shot "1:$work/shots/$name.installed.bmp" >"$work/$name.out" 2>&1 || { cat "$work/$name.out"; exit 1; }
    grep -q '^timedemo:' "$work/$name.out" || { cat "$work/$name.out"; exit 1; }
    cmp -s "$work/shots/$name.reference.bmp" "$work/shots/$name.installed.bmp" ||
      { echo "$name: its picture differs from the build's: its data was not found"; exit 1; }
  done
) || fail "an installed program failed"
grep -q '^timedemo:' "$work/shooter.out" || fail "no timedemo summary from the installed shooter"
[ -f "$home/.local/share/kestrel/settings.dat" ] || fail "no settings.dat in the fresh HOME's ~/.local/share/kestrel"
[ -f "$home/.local/share/kestrel/high_scores.dat" ] || fail "no high_scores.dat in ~/.local/share/kestrel"
[ -z "$(ls -A "$elsewhere")" ] || fail "the installed programs wrote into the starting folder: $(ls -A "$elsewhere")"
# Relative paths on the command line mean the folder it was typed in, though
# the installed programs work in their data and user folders.
mkdir -p "$work/typed"
cp "$work/close.txt" "$work/demo_keys.txt" "$work/typed/"
(
  cd "$work/typed"
  for row in "${programs[@]}"; do
    name="${row%%:*}"
    env -u XDG_DATA_HOME HOME="$home" "$games/$name" --seed 1 --timedemo "$(basename "$(keys_of "$name")")" \
      --shot "1:$name.relative.bmp" >/dev/null 2>&1 || { echo "$name failed"; exit 1; }
    cmp -s "$work/shots/$name.reference.bmp" "$name.relative.bmp" || { echo "$name: no $name.relative.bmp"; exit 1; }
  done
) || fail "an installed program did not read and write relative paths in the folder it was started from"

step "removing the package"
# After the runs the root holds the package's files and nothing else, so
# removing them leaves nothing of the package; the player's files are in HOME.
(cd "$installed" && find . | package_paths) >"$work/root_files.txt"
diff -u "$work/package_files.txt" "$work/root_files.txt" >"$work/root_files.diff" ||
  { cat "$work/root_files.diff"; fail "the installed programs wrote beside themselves: removal would leave these"; }
(cd "$installed" && md5sum --check --quiet "$work/control/md5sums") || fail "the installed programs changed their own files"
[ -f "$home/.local/share/kestrel/settings.dat" ] || fail "no player's files outside the installation"

# ---- 5. The portable archive -------------------------------------------------------
step "unpacking $tarball"
tar -tzf "$tarball" | grep -v "^kestrel-$version/" && fail "entries outside kestrel-$version/"
mkdir -p "$work/unpacked" "$work/other" "$work/xdg"
tar -C "$work/unpacked" -xzf "$tarball"
top="$work/unpacked/kestrel-$version"
for f in shooter kestrel-flight-test kestrel-flight-test-plain kestrel-timing-test kestrel-collision-test; do
  [ -x "$top/$f" ] || fail "the archive has no program $f"
done
for f in README.md INSTALL.txt data/plik.bmp data/Plane1.BMP; do
  [ -f "$top/$f" ] || fail "the archive has no $f"
done
(
  cd "$work/other"
  export XDG_DATA_HOME="$work/xdg"
  # (set -e does not reach into a subshell tested with ||: every step exits.)
  [ "$("$top/shooter" --version)" = "shooter (Kestrel) $version" ] || exit 1
  for row in "${programs[@]}"; do
    name="${row%%:*}"
    "$top/$name" --seed 1 --timedemo "$(keys_of "$name")" --shot "1:$work/shots/$name.unpacked.bmp" |
      grep -q '^timedemo:' || exit 1
    cmp -s "$work/shots/$name.reference.bmp" "$work/shots/$name.unpacked.bmp" ||
      { echo "$name: its picture differs from the build's: its data was not found"; exit 1; }
  done
) || fail "the unpacked programs failed when run from another folder"
[ -f "$work/xdg/kestrel/settings.dat" ] || fail "the unpacked shooter kept no settings.dat in \$XDG_DATA_HOME/kestrel"
[ -z "$(ls -A "$work/other")" ] || fail "the unpacked programs wrote into the starting folder"
[ ! -e "$top/settings.dat" ] && [ ! -e "$top/data/high_scores.dat.tmp" ] || fail "the unpacked shooter wrote beside itself"

# ---- 6. The web zip ----------------------------------------------------------------
if [ -f "$web_zip" ]; then
  step "listing $web_zip"
  unzip -Z1 "$web_zip" | grep -v '/$' | sort >"$work/zip_files.txt"
  (cd build/web/site && find . -type f -printf '%P\n' | sort) >"$work/site_files.txt"
  [ -s "$work/zip_files.txt" ] || fail "the web zip is empty"
  diff -u "$work/site_files.txt" "$work/zip_files.txt" || fail "the web zip differs from build/web/site"
  unzip -tq "$web_zip" >/dev/null || fail "the web zip does not test clean"
else
  step "no web zip (scripts/web.sh does not exist yet)"
fi

win_zip="dist/kestrel-$version-windows-x86_64.zip"
step "unpacking $win_zip and running it under Wine"
[ -f "$win_zip" ] || fail "no $win_zip"
unzip -tq "$win_zip" >/dev/null || fail "the Windows zip does not test clean"
mkdir -p "$work/Spiele für Kestrel" "$work/wine-other"
unzip -q "$win_zip" -d "$work/Spiele für Kestrel"
win_top="$work/Spiele für Kestrel/kestrel-$version-windows-x86_64"
export WINEPREFIX="$work/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wineboot --init >/dev/null 2>&1
(
  cd "$work/wine-other"
  [ "$(wine "$win_top/shooter.exe" --version)" = "shooter (Kestrel) $version" ] || exit 1
  for row in "${programs[@]}"; do
    name="${row%%:*}"
    wine "$win_top/${row#*:}.exe" --seed 1 --timedemo "$(keys_of "$name")" --shot "1:$work/shots/$name.windows.bmp" |
      grep -q '^timedemo:' || exit 1
    cmp -s "$work/shots/$name.reference.bmp" "$work/shots/$name.windows.bmp" ||
      { echo "$name.exe: its picture differs from the build's: its data was not found"; exit 1; }
  done
) || fail "the unzipped Windows programs failed when run from another folder"
ls "$WINEPREFIX"/drive_c/users/*/AppData/Roaming/kestrel/settings.dat >/dev/null ||
  fail "the unzipped shooter.exe kept no settings.dat in %APPDATA%\\kestrel"
[ -z "$(ls -A "$work/wine-other")" ] || fail "the Windows programs wrote into the starting folder"
wineserver -k 2>/dev/null || true

# ---- 7. Reproducibility --------------------------------------------------------------
step "building the release again, from empty build folders"
KESTREL_RELEASE_FRESH=1 bash scripts/release.sh >"$work/release2.log" 2>&1 || { tail -40 "$work/release2.log"; fail "second scripts/release.sh"; }
diff -u "$work/SHA256SUMS.first" dist/SHA256SUMS || fail "the second run gave other bytes"
cat dist/SHA256SUMS
step "passed"
