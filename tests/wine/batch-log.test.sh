#!/usr/bin/env bash
# VORNAK95.EXE /LOG under Wine: writes VORNAK95.LOG in the current folder and
# exits 0, with no display at all; an old log it cannot delete is left as it
# is, and the run says so with exit status 1.
source "$VORNAK_SOURCE/tests/wine/lib.sh"
use_prefix default
make_scratch
copy_program "$SCRATCH"
cd "$SCRATCH"

# An old log another program holds open (reading and writing shared, not
# deleting, as an editor or a second VORNAK95 would): this run's log is not
# written rather than appended to it, and the failure names the file and why.
printf 'line of an earlier run\r\n' > VORNAK95.LOG
status=0
wine "$VORNAK_BIN/hold_file.exe" VORNAK95.LOG VORNAK95.EXE /LOG 2>"$SCRATCH/err" || status=$?
[ $status = 1 ] || fail "a held old log: exit status $status: $(cat "$SCRATCH/err")"
grep -q '^VORNAK95: VORNAK95.LOG: cannot delete the old log: .' "$SCRATCH/err" ||
  fail "a held old log: no message naming it: $(cat "$SCRATCH/err")"
[ "$(cat VORNAK95.LOG)" = $'line of an earlier run\r' ] || fail "a held old log was changed: $(head -3 VORNAK95.LOG)"

# Released, the old log is replaced by this run's.
wine VORNAK95.EXE /LOG || fail "exit status $?"
[ -f VORNAK95.LOG ] || fail "no VORNAK95.LOG"
mapfile -t lines < <(tr -d '\r' < VORNAK95.LOG)
[ "${lines[0]}" = "VORNAK for Windows95 [Windows NT/2000 mode]" ] || fail "root line: ${lines[0]}"
[[ "${lines[1]}" =~ ^OS\ Version:[0-9]+\.[0-9]+$ ]] || fail "version line: ${lines[1]}"
[ "${lines[2]}" = "NUVASH32 Version : 01.02" ] || fail "library line: ${lines[2]}"
grep -q $'\r$' VORNAK95.LOG || fail "lines do not end in CR LF"
! grep -q 'line of an earlier run' VORNAK95.LOG || fail "the new log was appended to the old one"
[ "$(grep -c 'VORNAK for Windows95' VORNAK95.LOG)" = 1 ] || fail "the log holds two runs"

# The headers in their order (each may have lines between them).
order=$(printf '%s\n' "${lines[@]}" | grep -nxE 'Windows|System|Thread|Initial File|WIN.INI|SYSTEM.INI|Drive Info' | cut -d: -f2 | head -7 | paste -sd,)
[ "$order" = "Windows,System,Thread,Initial File,WIN.INI,SYSTEM.INI,Drive Info" ] || fail "header order: $order"
echo "batch-log: ok ($(stat -c %s VORNAK95.LOG) bytes)"
