#!/usr/bin/env bash
# Installs the dependencies, builds the release configuration and starts
# `shooter` in a window from its run folder (pictures, sounds and data beside it).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release -j"$(nproc)"
cd build/release/run
exec ./shooter "$@"
