#!/usr/bin/env bash
# An exception in a font or DirectPlay callback, or in a window procedure,
# comes back to our own code instead of ending the process.
source "$VORNAK_SOURCE/tests/wine/lib.sh"
use_prefix default
test="$VORNAK_BUILD/tests/callback_guard_test.exe"
[ -f "$test" ] || fail "no $test"
# A fault that escapes must end the run, not wait in the debugger.
export WINEDLLOVERRIDES="winedbg.exe=d"
make_scratch
copy_program "$SCRATCH"
cp "$test" "$SCRATCH"/
cd "$SCRATCH"
status=0
timeout 300 wine callback_guard_test.exe 2>/dev/null | tr -d '\r' || status=$?
[ $status = 0 ] || fail "exit status $status"
