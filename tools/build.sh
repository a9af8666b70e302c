#!/usr/bin/env bash
# Configures and builds Rimbano in build/; the program folder is build/program/.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"
