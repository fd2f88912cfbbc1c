#!/usr/bin/env bash
# Takes a picture of the main window on a virtual X server and writes it to
# docs/main-window.png (or the file given as $1). Builds the program first.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${KX7Q_BUILD_DIR:-$root/build}
out=${1:-$root/docs/main-window.png}
bash "$root/scripts/deps.sh"
cmake -S "$root" -B "$build" -G Ninja >/dev/null
cmake --build "$build" -j2 --target kx7q | tail -3

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# A copy of the program with its files, so the picture shows the shipped
# defaults and no settings of an earlier run.
cp "$build"/bin/kx7q "$build"/bin/*.Ini "$build"/bin/*.html "$work"/
cat > "$work/shoot.sh" <<'INNER'
set -euo pipefail
cd "$1"
./kx7q & pid=$!
sleep "${SHOT_DELAY:-3}"
xwd -root -silent | xwdtopnm 2>/dev/null | pnmtopng > shot.png
kill "$pid"
INNER
xvfb-run -a -s "-screen 0 1280x800x24" bash "$work/shoot.sh" "$work"
mkdir -p "$(dirname "$out")"
cp "$work/shot.png" "$out"
echo "Wrote $out"
