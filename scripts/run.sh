#!/usr/bin/env bash
# Builds the game and starts it on the user's display.
# Usage: scripts/run.sh            (build directory: build/)
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DTAVLO_TESTS=OFF >/dev/null
cmake --build build -j2
if [ ! -x build/src/shell/tavlo ]; then
  echo "The game itself is not built yet: the window shell comes in a later step."
  echo "Meanwhile the libraries and tools under build/ are ready."
  exit 0
fi
exec build/src/shell/tavlo "$@"
