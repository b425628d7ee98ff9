#!/usr/bin/env bash
# make_screenshots.sh BUILD_DIR [HOME_FOLDER]: takes the pictures of the user guide (docs/images/*.png) from the
# built program, run on a private Xvfb display with the SDL2 back end and driven with xdotool.
#
# It makes a few short videos with ffmpeg in a temporary home folder, opens one, marks a part of it,
# and photographs the main window, the Open window, the folder window and the extraction window, each
# cropped to its window. Needs the packages of tools/bootstrap (xvfb, xdotool, imagemagick, ffmpeg).
# Check the results by eye before committing them: the timing of a run can differ.
#
# The home folder's path shows in the pictures. By default it lies in a temporary folder; give a
# HOME_FOLDER that does not exist yet (such as /home/alex) for a tidier path: it is made, and left for
# you to remove.
set -euo pipefail

build_dir=$(cd "${1:?usage: make_screenshots.sh BUILD_DIR}" && pwd)
program="$build_dir/velmora"
images_dir=$(cd "$(dirname "$0")" && pwd)/images
[ -x "$program" ] || { echo "no program at $program: build the velmora target first" >&2; exit 1; }

work=$(mktemp -d)
display=":$((90 + RANDOM % 400))"
xvfb_pid="" app_pid=""
cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
export DISPLAY=$display

# --- a home folder with something to open ---
home=${2:-$work/home/alex}
if [ -e "$home" ]; then echo "$home exists already: give a folder that does not exist" >&2; exit 1; fi
mkdir -p "$home"/{Desktop,Documents,Downloads,Pictures,Podcasts,Public,Templates,Videos/"Old clips"}
mkdir -p "$home"/Music/{Albums,"Audio books","From videos","Live recordings",Playlists,Ringtones,Soundtracks}
make_video() {  # NAME SECONDS FORMAT codec options...
  local name=$1 seconds=$2 format=$3
  shift 3
  ffmpeg -nostdin -hide_banner -loglevel error -y \
    -f lavfi -i "gradients=size=480x360:rate=25:duration=$seconds:speed=0.02:n=4" \
    -f lavfi -i "aevalsrc=0.3*sin(2*PI*(220+110*sin(0.5*t))*t)|0.3*sin(2*PI*330*t):s=44100:d=$seconds" \
    -shortest "$@" -f "$format" "$home/Videos/$name"
}
make_video "Summer concert.avi" 75 avi -c:v mpeg4 -q:v 5 -c:a libmp3lame -b:a 128k
make_video "Birthday party.wmv" 2 asf -c:v wmv2 -c:a wmav2
make_video "Holiday 2023.avi" 2 avi -c:v mpeg4 -c:a libmp3lame
make_video "Interview.mpg" 2 vob -c:v mpeg2video -c:a mp2
make_video "Lecture 3.rmvb" 2 rm -c:v rv20 -c:a ac3

# --- display and program ---
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

(cd "$home/Videos" && exec env HOME="$home" XDG_DOCUMENTS_DIR="$home/Documents" VELMORA_BACKEND=sdl2 "$program") \
  >"$work/program.log" 2>&1 &
app_pid=$!

# The id of the newest visible window of the program, waiting for it up to 10 seconds.
newest_window() {
  local ids
  for _ in $(seq 100); do
    ids=$(xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null || true)
    if [ -n "$ids" ] && [ "$(echo "$ids" | wc -l)" -ge "$1" ]; then
      echo "$ids" | tail -n 1
      return
    fi
    sleep 0.1
  done
  echo "the program did not show window number $1" >&2
  cat "$work/program.log" >&2
  exit 1
}

# Saves the given window, cut out of a picture of the whole screen, as docs/images/NAME.png.
shoot() {
  local window=$1 name=$2 X Y WIDTH HEIGHT
  eval "$(xdotool getwindowgeometry --shell "$window")"
  import -window root "$work/screen.png"
  convert "$work/screen.png" -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$images_dir/$name.png"
  echo "saved docs/images/$name.png (${WIDTH}x${HEIGHT})"
}

# Clicks at a point of the main window's client area (below the 19-pixel caption and the 3-pixel frame).
click_main() {
  local X Y WIDTH HEIGHT
  eval "$(xdotool getwindowgeometry --shell "$main")"
  xdotool mousemove $((X + 3 + $1)) $((Y + 22 + $2)) click 1
}

# Centres of the main window's buttons in client pixels: dialog units times 7/4 across, 15/8 down.
open_file=(687 32) save_dir=(687 69) mark_start=(64 355) mark_end=(155 355) extract=(418 318)
pause_button=(253 353)

main=$(newest_window 1)
sleep 1

# The Open window with the concert selected (the sixth line of its list, 14 pixels a line).
click_main "${open_file[@]}"
dialog=$(newest_window 2)
sleep 1
eval "$(xdotool getwindowgeometry --shell "$dialog")"
xdotool mousemove $((X + 60)) $((Y + 74 + 5 * 14)) click 1
sleep 1
shoot "$dialog" open-file-dialog
xdotool key Return
sleep 4

# A part marked while the concert plays.
click_main "${mark_start[@]}"
sleep 9
click_main "${mark_end[@]}"
sleep 3
click_main "${pause_button[@]}"
sleep 1
# The pointer rests on Play so that its tooltip shows.
eval "$(xdotool getwindowgeometry --shell "$main")"
xdotool mousemove $((X + 3 + 229)) $((Y + 22 + 353))
sleep 2
shoot "$main" main-window

# The folder window with the home and music folders opened (double clicks on their lines) and the
# music folder's "From videos" selected; enough lines that the list shows only the home folder.
click_main "${save_dir[@]}"
browser=$(newest_window 2)
sleep 1
eval "$(xdotool getwindowgeometry --shell "$browser")"
xdotool mousemove $((X + 60)) $((Y + 67 + 1 * 14)) click --repeat 2 --delay 80 1
sleep 0.7
xdotool mousemove $((X + 60)) $((Y + 67 + 5 * 14)) click --repeat 2 --delay 80 1
sleep 0.7
xdotool mousemove $((X + 80)) $((Y + 67 + 8 * 14)) click 1
sleep 0.7
shoot "$browser" folder-browser
eval "$(xdotool getwindowgeometry --shell "$browser")"
xdotool mousemove $((X + 20)) $((Y + 30)) key Escape
sleep 1

# The extraction window, then a real extraction to check the result.
click_main "${extract[@]}"
progress=$(newest_window 2)
sleep 1
shoot "$progress" extraction-window
eval "$(xdotool getwindowgeometry --shell "$progress")"
# Its Extract Now button: dialog units (63, 41) to (99, 52) at base units 8 x 16.
xdotool mousemove $((X + 3 + 162)) $((Y + 3 + 93)) click 1
sleep 5
ls -l "$home/Documents"
