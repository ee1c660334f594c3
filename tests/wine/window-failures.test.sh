#!/usr/bin/env bash
# The window when things go wrong, headless (Wine's null display driver):
# arguments a person could give it from Explorer, a hung program among the
# top-level windows, a window title of 300 characters full of format
# directives, and a log that cannot be written.
source "$VORNAK_SOURCE/tests/wine/lib.sh"
use_prefix default
make_scratch
copy_program "$SCRATCH"
cd "$SCRATCH"
program= hung=
cleanup() {
  [ -n "$program" ] && kill "$program" 2>/dev/null
  [ -n "$hung" ] && kill "$hung" 2>/dev/null
  wineserver -k 2>/dev/null || true
  rm -rf "$SCRATCH"
}
trap cleanup EXIT
driver() { wine "$VORNAK_BIN/shell_driver.exe" "$@" | tr -d '\r'; }
# close: Esc to the main window; the program must end with status 0.
close() {
  driver key 0x1B
  local status=0
  wait "$program" || status=$?
  program=
  [ $status = 0 ] || fail "$1: exit status $status"
}

# A file dropped on the program, or "Open with": the window opens as usual.
wine VORNAK95.EXE 'C:\My Files\report.txt' &
program=$!
driver wait 120 >/dev/null || fail "no window with a file name as argument"
close "file name as argument"

# An unknown switch outside batch mode: a box that names it, then the window.
wine VORNAK95.EXE /BOGUS &
program=$!
box=$(driver dialog VORNAK95 120) || fail "no box for an unknown switch: $box"
grep -q 'unknown switch "/BOGUS"' <<<"$box" || fail "the box does not name the switch: $box"
driver wait 120 >/dev/null || fail "no window after the box"
close "unknown switch"

# Batch mode is for scripts: a stray word is an error on standard error.
status=0
wine VORNAK95.EXE /LOG stray 2>"$SCRATCH/err" || status=$?
[ $status = 2 ] || fail "/LOG with a stray word: exit status $status"
grep -q 'unknown argument "stray"' "$SCRATCH/err" || fail "no message: $(cat "$SCRATCH/err")"
[ ! -e VORNAK95.LOG ] || fail "a log written after a command-line error"

# A program that stopped answering, and our own title made of directives.
wine "$VORNAK_BIN/shell_driver.exe" hang 600 > "$SCRATCH/hung" &
hung=$!
for _ in $(seq 100); do grep -q hung "$SCRATCH/hung" 2>/dev/null && break; sleep 0.2; done
wine VORNAK95.EXE &
program=$!
driver wait 120 >/dev/null || fail "no window beside a hung one"
title=$(python3 -c 'print(("%s%n%x" * 50)[:300])')
driver title "$title" || fail "title not set"
timeout 300 wine "$VORNAK_BIN/shell_driver.exe" command 0xE104 >/dev/null ||
  fail "Save LOG did not finish beside a hung window"
thread=$(tr -d '\r' < VORNAK95.LOG | sed -n '/^Thread$/,/^Initial File$/p')
grep -qxF "${title:0:255}" < <(sed -E 's/^HWND = 0x[0-9a-f]{8,} //' <<<"$thread") ||
  fail "no line with the title's first 255 characters, as they stand: $thread"
tr -d '\r' < VORNAK95.LOG | grep -qx 'Drive Info' || fail "the log stops before Drive Info"

# Ctrl+O browsing to another folder must leave the current folder alone:
# the log below is named relative to it.
mkdir elsewhere && touch elsewhere/doc.txt
driver post 0xE101
driver open "C:\\$(basename "$SCRATCH")\\elsewhere" doc.txt 60 || fail "the Open dialog did not take the file"

# Save LOG where VORNAK95.LOG is a directory: a box naming the file, after
# the run, and the report stays in the window.
rm -f VORNAK95.LOG && mkdir VORNAK95.LOG
driver post 0xE104
box=$(driver dialog VORNAK95 300) || fail "no box for a log that was not written: $box"
grep -q 'VORNAK95.LOG: cannot create the log' <<<"$box" || fail "the box does not name the log: $box"
state=$(driver state)
grep -qx 'tree=1' <<<"$state" || fail "the report is not shown after the box: $state"
[ ! -e elsewhere/VORNAK95.LOG ] || fail "the log followed the Open dialog to another folder"
close "after the box"
echo "window-failures: ok"
