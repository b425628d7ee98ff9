# Shared by the benchmark scripts (sourced): where things are, building the drivers, making the clips,
# and printing each figure's command.
#
# VELMORA_BENCH_BUILD   build directory (default: build-bench in the repository), configured as Release
# VELMORA_BENCH_MINUTES length of the benchmark clips (default: 30)

BENCH_REPO=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
BENCH_BUILD=${VELMORA_BENCH_BUILD:-$BENCH_REPO/build-bench}
BENCH_MINUTES=${VELMORA_BENCH_MINUTES:-30}
BENCH_MEDIA=$BENCH_BUILD/bench-media
BENCH_BIN=$BENCH_BUILD/bench
BENCH_FORMATS=(avi mpg rm rmvb asf wmv)
# The drivers run without a display; the preview's sound goes to the audio sink's silent fallback.
export VELMORA_BACKEND=headless

bench_build() {
  if [ ! -f "$BENCH_BUILD/build.ninja" ]; then
    cmake -S "$BENCH_REPO" -B "$BENCH_BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
  fi
  ninja -C "$BENCH_BUILD" -j2 velmora_bench >/dev/null
}

bench_media() {
  local began=$SECONDS
  "$BENCH_REPO/bench/lib/make_media" "$BENCH_MEDIA" "$BENCH_MINUTES"
  if [ $((SECONDS - began)) -gt 1 ]; then
    echo "Made the ${BENCH_MINUTES}-minute clips in $((SECONDS - began)) s (per clip: $BENCH_MEDIA/generation.txt)."
  fi
}

bench_clip() { echo "$BENCH_MEDIA/clip-${BENCH_MINUTES}min.$1"; }

# bench_time OUT COMMAND...: runs COMMAND under /usr/bin/time; OUT gets "wall_s user_s sys_s maxrss_kb".
# The command's own output goes to OUT.log.
bench_time() {
  local out=$1
  shift
  /usr/bin/time -f "%e %U %S %M" -o "$out" "$@" >"$out.log" 2>&1 || true
  # time puts "Command exited with non-zero status N" first when the command failed or was stopped.
  tail -n1 "$out" >"$out.last" && mv "$out.last" "$out"
}

# Commands are collected and printed after the figures they produced.
BENCH_COMMANDS=()
bench_note_command() {
  local quoted
  printf -v quoted '%q ' "$@"
  BENCH_COMMANDS+=("${quoted% }")
}
bench_print_commands() {
  echo "Commands:"
  local c
  for c in "${BENCH_COMMANDS[@]}"; do echo "  $c"; done
}

bench_ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2f", a / b; else printf "n/a" }'; }

bench_duration() {
  ffprobe -v error -show_entries format=duration -of default=nw=1:nk=1 "$1" 2>/dev/null | awk '{ printf "%.1f", $1 }'
}
