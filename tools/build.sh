#!/usr/bin/env bash
# Configures and builds Rimbano in build/; the program folder is build/program/.
# With target names it builds only those (the run command needs just the program).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)" ${1:+--target "$@"}
