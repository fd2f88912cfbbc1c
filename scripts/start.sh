#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program. Without a display
# it runs on a virtual X server (Xvfb).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/deps.sh"
bash "$root/scripts/build.sh" kx7q kx7q-cli kx7q-sim kx7q_files
build=${KX7Q_BUILD_DIR:-$root/build}
program="$build/bin/kx7q"
if [ ! -x "$program" ]; then program="$build/bin/kx7q-cli"; set -- --help; fi
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ "$(basename "$program")" = kx7q ]; then
  echo "No display: starting kx7q on a virtual X server."
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$program" "$@"
fi
exec "$program" "$@"
