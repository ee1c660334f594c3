#!/usr/bin/env bash
# The program's window under Wine on an Xvfb screen of 1024 x 768: where the
# main window opens, the start page until the first analysis, the analysis
# and log commands, the About box, the DirectX setup message, and Esc.
source "$VORNAK_SOURCE/tests/wine/lib.sh"

# A display of our own, on the first free number.
n=90
while [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ]; do n=$((n + 1)); done
Xvfb :$n -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=:$n
export WINEPREFIX="$VORNAK_BUILD/wine/x11"
"$VORNAK_SOURCE/tools/wine-prefix" "$WINEPREFIX" noaudio
make_scratch
program=
cleanup() {
  [ -n "$program" ] && kill "$program" 2>/dev/null
  wineserver -k 2>/dev/null || true
  kill "$xvfb" 2>/dev/null
  rm -rf "$SCRATCH"
}
trap cleanup EXIT
copy_program "$SCRATCH"
cp "$VORNAK_SOURCE/res/vornak95.htm" "$SCRATCH"/
cd "$SCRATCH"
driver() { wine "$VORNAK_BIN/shell_driver.exe" "$@" | tr -d '\r'; }

wine VORNAK95.EXE &
program=$!
driver wait 120 >/dev/null || fail "the main window did not appear"

# Centred at three quarters of the full-screen client area.
read -r _ sw sh < <(driver metrics | grep '^screen')
read -r _ fw fh < <(driver metrics | grep '^fullscreen')
[ "$sw x $sh" = "1024 x 768" ] || fail "screen is $sw x $sh"
# Wine without a window manager reports a full-screen client height a little
# above the screen's (779 here); the placement follows whatever it reports.
[ "$fw" = 1024 ] && [ "$fh" -gt 600 ] && [ "$fh" -le 800 ] || fail "full-screen client $fw x $fh"
expected="$(( fw / 4 / 2 )) $(( fh / 4 / 2 )) $(( 3 * (fw / 4) )) $(( 3 * (fh / 4) ))"
rect=$(driver rect)
[ "$rect" = "$expected" ] || fail "main window at $rect, expected $expected"
read -r x y w h <<<"$rect"
[ $((x + w)) -le "$sw" ] && [ $((y + h)) -le "$sh" ] || fail "main window $rect leaves the screen"

# The caption buttons are drawn with Marlett (tools/wine-prefix links it).
face=$(driver face Marlett)
[ "$face" = Marlett ] || fail "Marlett gives the face \"$face\""

state=$(driver state)
grep -qx 'title=VORNAK95' <<<"$state" || fail "title: $state"
grep -qx 'view=1 caption=1' <<<"$state" || fail "view without its caption: $state"
grep -qx 'html=1' <<<"$state" || fail "start page not shown: $state"
grep -qx 'html-name=HTML:VORNAK95 html-style=50800000 html-id=2' <<<"$state" || fail "HTML pane: $state"
grep -qx 'tree=0' <<<"$state" || fail "tree shown before an analysis: $state"
grep -qx 'status=Ready' <<<"$state" || fail "idle text: $state"

# About box: the build's date and time in control 1000.
driver post 0xE140
about=$(driver dialog "Vornak for Windows95/NT4.0 Win32&Win32s Version" 60) || fail "no About box: $about"
grep -qE '^1000:\([A-Z][a-z]{2} [ 0-9][0-9] [0-9]{4} [0-9]{2}:[0-9]{2}:[0-9]{2}\)$' <<<"$about" ||
  fail "About box build text: $about"

# DirectX setup found nowhere: the box with the application title.
driver post 32772
box=$(driver dialog "Vornak95 for Win32(Win95/NT4.0) & Win32s(1.30C) version 2.30" 60) ||
  fail "no DirectX setup message: $box"
grep -q "'DXSetup.EXE' File not Found" <<<"$box" || fail "DirectX setup message: $box"

# "&S)tart Analyz", then "&S)ave LOG": tree shown, start page gone, log written.
driver command 32771 || fail "Start Analyz not handled"
state=$(driver state)
grep -qx 'html=0' <<<"$state" || fail "start page still shown after the analysis: $state"
grep -qx 'tree=1' <<<"$state" || fail "tree hidden after the analysis: $state"
grep -qx 'status=Ready' <<<"$state" || fail "status text not restored: $state"
[ ! -e VORNAK95.LOG ] || fail "Start Analyz wrote a log"

driver command 0xE104 || fail "Save LOG not handled"
[ -f VORNAK95.LOG ] || fail "no VORNAK95.LOG after Save LOG"
first=$(head -n1 VORNAK95.LOG | tr -d '\r')
[ "$first" = "VORNAK for Windows95 [Windows NT/2000 mode]" ] || fail "log starts with: $first"
grep -qx 'Drive Info' < <(tr -d '\r' < VORNAK95.LOG) || fail "log without Drive Info"
grep -qx 'html=0' < <(driver state) || fail "start page back after Save LOG"

# The status bar toggle.
driver command 0xE801
grep -qx 'statusbar=0' < <(driver state) || fail "status bar still shown"
driver command 0xE801
grep -qx 'statusbar=1' < <(driver state) || fail "status bar not back"

# Esc ends the program.
driver key 0x1B
for _ in $(seq 60); do kill -0 "$program" 2>/dev/null || break; sleep 1; done
kill -0 "$program" 2>/dev/null && fail "Esc did not end the program"
program=
echo "shell-window: ok (window $rect)"
