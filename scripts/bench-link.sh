#!/usr/bin/env bash
# Times a read and a write against the virtual radio paced at the real line
# rate (9600 baud, 11 bits a byte) and prints them beside the floor: the bytes
# on the line plus the protocol's own pauses (450 + 50 + 5 ms).
#
#   scripts/bench-link.sh [BUILD_DIR] [RUNS]
#
# The time is the command line's own measure, from Ok (the port is open) to
# the final message; the whole process, start-up included, is shown beside it.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-/tmp/build-bench-link}"
runs="${2:-3}"
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j2 --target kx7q-sim kx7q-cli >/dev/null
sim="$build/bin/kx7q-sim"
cli="$build/bin/kx7q-cli"
work="$(mktemp -d)"
sim_pid=""
cleanup() {
  [ -n "$sim_pid" ] && kill "$sim_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

start_sim() {  # starts a paced radio; sets sim_pid and port
  "$sim" --pace --once "$@" >"$work/sim.out" 2>/dev/null &
  sim_pid=$!
  for _ in $(seq 50); do [ -s "$work/sim.out" ] && break; sleep 0.05; done
  port="$(head -1 "$work/sim.out")"
}

# One transfer: prints "engine-seconds process-seconds".
transfer() {
  local t0 t1 took
  t0=$(date +%s.%N)
  "$cli" "$@" 2>"$work/err" || { echo "transfer failed:" >&2; tr '\r' '\n' <"$work/err" >&2; exit 1; }
  t1=$(date +%s.%N)
  wait "$sim_pid" 2>/dev/null || true
  sim_pid=""
  took=$(tr '\r' '\n' <"$work/err" | sed -n 's/.*(\([0-9.]*\) s).*/\1/p' | tail -1)
  echo "$took $(awk -v a="$t0" -v b="$t1" 'BEGIN { print b - a }')"
}

# Lines of "engine process" seconds -> one line of figures beside the floor
# (the bytes on the line plus the pauses).
report() {  # name bytes
  awk -v name="$1" -v bytes="$2" '
    { n++; sum += $1; proc += $2; if (n == 1 || $1 < best) best = $1 }
    END {
      floor = bytes * 11 / 9600 + 0.505; mean = sum / n
      printf "%-6s %5d bytes  floor %.3f s  measured mean %.3f s (best %.3f s, %d runs)  added %+.1f %%  whole process %.3f s\n",
        name, bytes, floor, mean, best, n, (mean / floor - 1) * 100, proc / n
    }'
}

# The PC's bytes and the radio's, per the protocol:
#   read:  8+1+16+1 + 54*(4+1) + 1  sent,  1+16+1+1 + 54*(12+1) received = 1018
#   write: 8+1+16+1 + 52*12 + 1     sent,  1+16+1+1 + 52*1      received = 722
results_read=""
for _ in $(seq "$runs"); do
  start_sim
  results_read+="$(transfer read --port "$port" -o "$work/read.dat")"$'\n'
done
results_write=""
for _ in $(seq "$runs"); do
  start_sim
  results_write+="$(transfer write --port "$port" "$work/read.dat")"$'\n'
done
printf "%s" "$results_read" | report read 1018
printf "%s" "$results_write" | report write 722
