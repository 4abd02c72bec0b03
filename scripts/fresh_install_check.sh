#!/usr/bin/env bash
# Installs the release's .deb on a fresh Debian 12 (a minimal debootstrap
# root in a temporary folder, run as root) and plays it as a new player
# would: apt-get must pull in SDL2 and SDL2_mixer by itself, the five
# programs must print the version and shooter must run a short timedemo as
# an ordinary user from /tmp, keeping its files in ~/.local/share/kestrel;
# apt-get remove must leave none of the package's files.
# Needs the Debian mirror (about 100 MB) and a dist/ from scripts/release.sh.
# Usage: scripts/fresh_install_check.sh [MIRROR]
set -euo pipefail
cd "$(dirname "$0")/.."
mirror="${1:-http://deb.debian.org/debian}"
version="$(sed -n 's/^project(Kestrel VERSION \([0-9.]*\) .*/\1/p' CMakeLists.txt)"
deb="dist/kestrel_${version}_amd64.deb"
[ -f "$deb" ] || { echo "fresh install check: no $deb; run scripts/release.sh first" >&2; exit 1; }
[ "$(id -u)" -eq 0 ] || { echo "fresh install check: run as root (debootstrap and chroot)" >&2; exit 1; }
bash scripts/install-deps.sh debootstrap

root="$(mktemp -d)/bookworm"
cleanup() {
  umount "$root/dev/pts" "$root/proc" 2>/dev/null || true
  # Never remove a tree that still has the host's /proc or /dev/pts in it.
  if grep -q " $root/" /proc/mounts; then
    echo "fresh install check: $root still has mounts; left in place" >&2
  else
    rm -rf "$(dirname "$root")"
  fi
}
trap cleanup EXIT
echo "fresh install check: debootstrap bookworm into $root"
debootstrap --variant=minbase bookworm "$root" "$mirror" >"$root.log" 2>&1 || { tail -20 "$root.log"; exit 1; }
cp "$deb" "$root/tmp/"
cp /etc/resolv.conf "$root/etc/resolv.conf"
mount -t proc proc "$root/proc"
mount -t devpts devpts "$root/dev/pts"  # apt's log wants a terminal

chroot "$root" /bin/bash -s "$(basename "$deb")" "$version" <<'INSIDE'
set -euo pipefail
deb="/tmp/$1" version="$2"
export DEBIAN_FRONTEND=noninteractive
fail() { echo "fresh install check: FAILED: $*" >&2; exit 1; }
apt-get update -qq
apt-get install -y -qq "$deb" >/tmp/apt.log 2>&1 || { cat /tmp/apt.log; fail "apt-get install"; }
for lib in libsdl2-2.0-0 libsdl2-mixer-2.0-0; do
  dpkg-query -W -f='${Status}' "$lib" | grep -q "ok installed" || fail "$lib was not pulled in"
done
useradd -m player
printf '5 close\n' >/tmp/close.txt
chmod 644 /tmp/close.txt
su player -s /bin/bash -c '
  set -e
  cd /tmp
  [ "$(/usr/games/shooter --version)" = "shooter (Kestrel) '"$version"'" ]
  for demo in kestrel-flight-test kestrel-flight-test-plain kestrel-timing-test kestrel-collision-test; do
    /usr/games/$demo --version | grep -q "(Kestrel) '"$version"'"
  done
  SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy /usr/games/shooter --seed 1 --timedemo /tmp/close.txt | grep -q "^timedemo:"
  [ -f ~/.local/share/kestrel/settings.dat ] && [ -f ~/.local/share/kestrel/high_scores.dat ]
' || fail "the installed programs did not run as a new player"
dpkg -L kestrel >/tmp/files.txt
apt-get remove -y -qq kestrel >/dev/null
while read -r f; do [ ! -f "$f" ] || fail "left on disk after removal: $f"; done </tmp/files.txt
[ -f /home/player/.local/share/kestrel/settings.dat ] || fail "removal touched the player's files"
echo "fresh install check: passed ($(grep -c '^Setting up' /tmp/apt.log) packages set up, SDL2 and SDL2_mixer among them)"
INSIDE
