#!/usr/bin/env bash
# Conditional moves refused by the processor are performed by the program's
# exception filter, reached through Windows' own dispatch (tests/wine/
# cmov_filter_test.cpp), in a Windows 98 prefix and the default one.
source "$VORNAK_SOURCE/tests/wine/lib.sh"
test="$VORNAK_BUILD/tests/cmov_filter_test.exe"
[ -f "$test" ] || fail "no $test"
# A fault that escapes must end the run, not wait in the debugger.
export WINEDLLOVERRIDES="winedbg.exe=d"
for flavour in "win98 win98" "default"; do
  use_prefix $flavour
  status=0
  out=$(timeout 120 wine "$test" 2>/dev/null | tr -d '\r') || status=$?
  echo "$flavour: $out"
  [ $status = 0 ] || fail "$flavour: exit status $status"
done
