#!/usr/bin/env bash
# Conditional moves refused by the processor are performed by the handler of
# the entry from the system they run in, the start-up code under a debugger
# included, and an unreadable source is an access violation at its address
# (tests/wine/cmov_filter_test.cpp); in a Windows 98 prefix and the default one.
source "$VORNAK_SOURCE/tests/wine/lib.sh"
test="$VORNAK_BUILD/tests/cmov_filter_test.exe"
[ -f "$test" ] || fail "no $test"
# A fault that escapes must end the run, not wait in the debugger.
export WINEDLLOVERRIDES="winedbg.exe=d"
for flavour in "win98 win98" "default"; do
  use_prefix $flavour
  make_scratch
  copy_program "$SCRATCH"
  cp "$test" "$SCRATCH"/
  status=0
  out=$(cd "$SCRATCH" && timeout 120 wine cmov_filter_test.exe 2>/dev/null | tr -d '\r') || status=$?
  rm -rf "$SCRATCH"
  echo "$flavour: $out"
  [ $status = 0 ] || fail "$flavour: exit status $status"
done
