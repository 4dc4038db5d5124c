#!/usr/bin/env bash
# End to end with the real window on a virtual display: the QR code on screen reads as the
# first link; choosing another row by mouse and keyboard shows that row's link; a double-click
# puts the picture on the clipboard, where another process reads it as a PNG with the same
# link; SIGTERM closes the window and the program ends with 0.
#   window_e2e.sh PATH/TO/xilaixia PATH/TO/xlx_screen_grab
set -euo pipefail

app=$1
grab=$2

if [[ -z ${XLX_E2E_INSIDE:-} ]]; then
  for tool in xvfb-run xdotool xclip zbarimg; do
    command -v "$tool" >/dev/null || { echo "window_e2e: $tool is missing (scripts/install-deps.sh)"; exit 1; }
  done
  exec env XLX_E2E_INSIDE=1 xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

export QT_QPA_PLATFORM=xcb
prefix="https://render.example.com/p/c/17yq18lq3slc?source="
work=$(mktemp -d)
pid=""
cleanup() {
  [[ -n $pid ]] && kill -KILL "$pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "window_e2e: FAIL: $*"
  exit 1
}

"$app" &
pid=$!

wid=$(timeout 20 xdotool search --sync --onlyvisible --name '^喜来匣' | head -n 1) || true
[[ -n $wid ]] || fail "the window did not appear"
eval "$(xdotool getwindowgeometry --shell "$wid")"  # X Y WIDTH HEIGHT
echo "window $wid at $X,$Y size ${WIDTH}x$HEIGHT"
[[ $WIDTH == 972 && $HEIGHT == 590 ]] || fail "window size ${WIDTH}x$HEIGHT"

qr_x=$((X + 220)) qr_y=$((Y + 59))

# What zbarimg reads in the QR box on screen.
read_screen() {
  "$grab" "$work/screen.png" "$qr_x" "$qr_y" 300 300 >/dev/null 2>&1 || return 0
  zbarimg -q --raw "$work/screen.png" 2>/dev/null || true
}

expect_screen() {
  local want=$1 got=""
  for _ in $(seq 50); do
    got=$(read_screen)
    [[ $got == "$want" ]] && { echo "screen reads $got"; return 0; }
    sleep 0.2
  done
  fail "the QR box reads '$got', expected '$want'"
}

# Width and height from a PNG's header (big-endian, bytes 16 to 23).
png_size() {
  local b
  read -r -a b < <(od -An -tu1 -j16 -N8 "$1")
  ((${#b[@]} == 8)) || return 0
  echo "$(((b[0] << 24) | (b[1] << 16) | (b[2] << 8) | b[3])) $(((b[4] << 24) | (b[5] << 16) | (b[6] << 8) | b[7]))"
}

read_clipboard() {
  xclip -selection clipboard -t image/png -o >"$work/clip.png" 2>/dev/null || return 0
  zbarimg -q --raw "$work/clip.png" 2>/dev/null || true
}

expect_clipboard() {
  local want=$1 got=""
  for _ in $(seq 50); do
    got=$(read_clipboard)
    [[ $got == "$want" ]] && break
    sleep 0.2
  done
  [[ $got == "$want" ]] || fail "the clipboard reads '$got', expected '$want'"
  local size
  size=$(png_size "$work/clip.png")
  [[ $size == "300 300" ]] || fail "the clipboard picture is '$size', expected 300 x 300"
  if xclip -selection clipboard -t TARGETS -o | grep -qE '^(UTF8_STRING|STRING|TEXT|text/plain)'; then
    fail "text is still on the clipboard: $(xclip -selection clipboard -t TARGETS -o | tr '\n' ' ')"
  fi
  echo "clipboard reads $got (300 x 300 PNG)"
}

double_click_qr() {
  xdotool mousemove "$((qr_x + 150))" "$((qr_y + 150))" click --repeat 2 --delay 60 1
}

# 1. Without any user action: the first source.
expect_screen "${prefix}JING_LING"

# 2. A click on the first row (the same row again), then two rows down with the keyboard.
xdotool mousemove "$((X + 16 + 40))" "$((Y + 59 + 8))" click 1
expect_screen "${prefix}JING_LING"
xdotool key Down Down
expect_screen "${prefix}YOUKU_TV"

# 3. Double-click: the picture replaces the text another program left on the clipboard.
printf '旧内容' | xclip -selection clipboard
double_click_qr
expect_clipboard "${prefix}YOUKU_TV"

# 4. A second copy after another row replaces the first.
xdotool mousemove "$((X + 16 + 40))" "$((Y + 59 + 150))" key Down
sleep 0.3
shown=$(read_screen)
[[ $shown == "${prefix}"* && $shown != "${prefix}YOUKU_TV" ]] || fail "after another row the box reads '$shown'"
double_click_qr
expect_clipboard "$shown"

# 5. The program ends cleanly, with 0, when asked to.
kill -TERM "$pid"
status=0
for _ in $(seq 100); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then
  fail "the program did not end within 10 s of SIGTERM"
fi
wait "$pid" || status=$?
pid=""
[[ $status == 0 ]] || fail "the program ended with status $status"
echo "window_e2e: 5 passed, 0 failed"
