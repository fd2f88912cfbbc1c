#!/usr/bin/env bash
# Start-up time and memory of kx7q on a virtual X server.
#   time:   from starting the program until its main window is viewable
#   memory: resident set size once the window is up with the channel grid open
# Prints one line per run and the median; RUNS=n sets the number of runs.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${KX7Q_BUILD_DIR:-$root/build}
runs=${RUNS:-7}
for tool in xvfb-run xwininfo; do
  command -v "$tool" >/dev/null || { echo "needs $tool (apt-get install xvfb x11-utils)"; exit 1; }
done
cmake -S "$root" -B "$build" -G Ninja >/dev/null
cmake --build "$build" -j2 --target kx7q | tail -1

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$build"/bin/kx7q "$build"/bin/*.Ini "$build"/bin/*.html "$work"/

cat > "$work/measure.sh" <<'INNER'
set -euo pipefail
cd "$1"
runs=$2
times=(); rss=()
for ((i = 1; i <= runs; i++)); do
  cp SysInfo.Ini SysInfo.keep
  start=$(date +%s%N)
  ./kx7q 2>/dev/null & pid=$!
  until xwininfo -name "ROZ-KX-7Q" 2>/dev/null | grep -q "IsViewable"; do
    kill -0 "$pid" 2>/dev/null || { echo "kx7q ended early"; exit 1; }
    sleep 0.005
  done
  end=$(date +%s%N)
  sleep 1  # let the first paint and the channel grid settle
  kb=$(awk '/^VmRSS/ {print $2}' "/proc/$pid/status")
  kill "$pid"; wait "$pid" 2>/dev/null || true
  mv SysInfo.keep SysInfo.Ini
  ms=$(( (end - start) / 1000000 ))
  times+=("$ms"); rss+=("$kb")
  printf 'run %d: window on screen after %d ms, resident %.1f MiB\n' "$i" "$ms" "$(awk -v k="$kb" 'BEGIN {print k / 1024}')"
done
median() { printf '%s\n' "$@" | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
mt=$(median "${times[@]}"); mr=$(median "${rss[@]}")
printf 'median: %d ms to the main window, %.1f MiB resident (limits: 300 ms, 60 MiB)\n' "$mt" "$(awk -v k="$mr" 'BEGIN {print k / 1024}')"
INNER
xvfb-run -a -s "-screen 0 1280x1024x24" bash "$work/measure.sh" "$work" "$runs"
