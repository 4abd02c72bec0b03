#!/usr/bin/env bash
# Installs what Kestrel needs to build and test on Debian 12 (run as root, or
# with sudo available). Packages already present are left alone. Xvfb and
# xdotool run the test that records a game in a real window and verifies it.
# The world score server and the game's client need the HTTP, JSON, SQLite,
# PostgreSQL and curl libraries; the store's tests start their own PostgreSQL.
# Other scripts name what they need beyond this set as arguments:
#   bash scripts/install-deps.sh emscripten nodejs
set -euo pipefail
packages=("$@" build-essential cmake pkg-config git
          libsdl2-dev libsdl2-mixer-dev
          libgtest-dev libgmock-dev libbenchmark-dev
          lame libmp3lame-dev
          clang libclang-rt-14-dev
          xvfb xdotool
          libcpp-httplib-dev nlohmann-json3-dev libsqlite3-dev libpq-dev postgresql
          libcurl4-openssl-dev)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=""
  [ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo_cmd apt-get update -qq
  $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
