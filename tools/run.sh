#!/usr/bin/env bash
# Installs what is missing, builds and starts Rimbano. Without a display it
# starts on a virtual one, so the command also works on a bare server.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
bash tools/build.sh rimbano
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec ./build/program/rimbano "$@"
else
  echo "No display found: starting Rimbano on a virtual display (xvfb-run)."
  exec xvfb-run -a -s "-screen 0 1280x1024x24" ./build/program/rimbano "$@"
fi
