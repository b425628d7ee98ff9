#!/usr/bin/env bash
# check_install.sh BUILD_DIR: installs the built program into a temporary prefix and checks what a
# desktop needs of it: the program and its guide side by side, the command on the PATH, a valid desktop
# entry whose Exec and Icon resolve, the icons in their sizes, and that the installed program starts.
# Runs without a display: the program uses its headless back end.
set -uo pipefail

build_dir=$(cd "${1:?usage: check_install.sh BUILD_DIR}" && pwd)
work=$(mktemp -d)
app_pid=""
cleanup() {
  [ -n "$app_pid" ] && kill -KILL "$app_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

# Width and height from a PNG's header, as "WxH".
png_size() {
  local bytes
  bytes=$(od -An -tu1 -j16 -N8 "$1" | tr -s ' ' ' ')
  read -r w1 w2 w3 w4 h1 h2 h3 h4 <<<"$bytes"
  echo "$(((w1 << 24) | (w2 << 16) | (w3 << 8) | w4))x$(((h1 << 24) | (h2 << 16) | (h3 << 8) | h4))"
}

# Every image the guide refers to must exist relative to the guide.
check_guide_images() {
  local guide=$1 ref
  while read -r ref; do
    [ -f "$(dirname "$guide")/$ref" ] || fail "$guide refers to $ref, which is missing"
  done < <(grep -o 'src="[^"]*"' "$guide" | sed 's/^src="//; s/"$//')
}

# --- the guide beside the executable in the build tree ---
[ -x "$build_dir/velmora" ] || { echo "FAIL: $build_dir/velmora has not been built"; exit 1; }
if [ -f "$build_dir/help.html" ]; then
  check_guide_images "$build_dir/help.html"
else
  fail "the build did not put help.html beside the program"
fi

# --- installation ---
prefix="$work/prefix"
if ! env -u DESTDIR cmake --install "$build_dir" --prefix "$prefix" >"$work/install.log" 2>&1; then
  cat "$work/install.log"
  echo "FAIL: cmake --install failed"
  exit 1
fi

program="$prefix/lib/velmora/velmora"
[ -x "$program" ] || fail "no executable at lib/velmora/velmora"
[ -f "$prefix/lib/velmora/help.html" ] || fail "no help.html beside the installed program"
[ -f "$prefix/lib/velmora/help.html" ] && check_guide_images "$prefix/lib/velmora/help.html"

link="$prefix/bin/velmora"
if [ ! -L "$link" ]; then
  fail "bin/velmora is not a symbolic link"
else
  [ "$(readlink "$link")" = "../lib/velmora/velmora" ] || fail "bin/velmora points to $(readlink "$link"), not relative"
  [ "$(readlink -f "$link")" = "$(readlink -f "$program")" ] || fail "bin/velmora does not reach the program"
fi

entry="$prefix/share/applications/velmora.desktop"
if [ ! -f "$entry" ]; then
  fail "no desktop entry"
else
  if ! command -v desktop-file-validate >/dev/null; then
    fail "desktop-file-validate is missing (package desktop-file-utils, see tools/bootstrap)"
  elif ! desktop-file-validate "$entry"; then
    fail "the desktop entry does not validate"
  fi
  exec_name=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry")
  icon_name=$(sed -n 's/^Icon=//p' "$entry")
  [ -x "$prefix/bin/$exec_name" ] || fail "Exec=$exec_name is not installed in bin/"
  [ "$icon_name" = velmora ] || fail "Icon=$icon_name does not name the installed icon"
fi

for size in 16 32 48; do
  icon="$prefix/share/icons/hicolor/${size}x${size}/apps/velmora.png"
  if [ ! -f "$icon" ]; then
    fail "no ${size}x${size} icon"
  elif [ "$(head -c 8 "$icon" | od -An -tx1 | tr -d ' \n')" != 89504e470d0a1a0a ]; then
    fail "the ${size}x${size} icon is not a PNG file"
  elif [ "$(png_size "$icon")" != "${size}x${size}" ]; then
    fail "the ${size}x${size} icon is $(png_size "$icon")"
  fi
done

# --- the installed program starts through its link and waits for the user ---
mkdir -p "$work/home"
env -u DISPLAY -u WAYLAND_DISPLAY HOME="$work/home" VELMORA_BACKEND=headless "$link" \
  >"$work/program.log" 2>&1 &
app_pid=$!
sleep 2
if ! kill -0 "$app_pid" 2>/dev/null; then
  wait "$app_pid"
  fail "the installed program ended by itself (exit status $?) instead of waiting for the user"
  cat "$work/program.log"
  app_pid=""
else
  kill -TERM "$app_pid"
  for _ in $(seq 50); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$app_pid" 2>/dev/null; then
    fail "the program did not end within 5 seconds of SIGTERM"
  else
    app_pid=""
  fi
fi

if [ "$failures" -ne 0 ]; then
  echo "$failures check(s) failed"
  exit 1
fi
echo "installation checks passed"
