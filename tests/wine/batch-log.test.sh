#!/usr/bin/env bash
# VORNAK95.EXE /LOG under Wine: writes VORNAK95.LOG in the current folder and
# exits 0, with no display at all.
source "$VORNAK_SOURCE/tests/wine/lib.sh"
use_prefix default
make_scratch
copy_program "$SCRATCH"
cd "$SCRATCH"

wine VORNAK95.EXE /LOG || fail "exit status $?"
[ -f VORNAK95.LOG ] || fail "no VORNAK95.LOG"
mapfile -t lines < <(tr -d '\r' < VORNAK95.LOG)
[ "${lines[0]}" = "VORNAK for Windows95 [Windows NT/2000 mode]" ] || fail "root line: ${lines[0]}"
[[ "${lines[1]}" =~ ^OS\ Version:[0-9]+\.[0-9]+$ ]] || fail "version line: ${lines[1]}"
[ "${lines[2]}" = "NUVASH32 Version : 01.02" ] || fail "library line: ${lines[2]}"
grep -q $'\r$' VORNAK95.LOG || fail "lines do not end in CR LF"

# The headers in their order (each may have lines between them).
order=$(printf '%s\n' "${lines[@]}" | grep -nxE 'Windows|System|Thread|Initial File|WIN.INI|SYSTEM.INI|Drive Info' | cut -d: -f2 | head -7 | paste -sd,)
[ "$order" = "Windows,System,Thread,Initial File,WIN.INI,SYSTEM.INI,Drive Info" ] || fail "header order: $order"

# A second run replaces the log instead of appending to it.
size=$(stat -c %s VORNAK95.LOG)
wine VORNAK95.EXE /LOG || fail "second run"
[ "$(grep -c 'VORNAK for Windows95' VORNAK95.LOG)" = 1 ] || fail "second log holds the first"
echo "batch-log: ok ($size bytes)"
