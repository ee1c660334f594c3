#!/usr/bin/env bash
# Every Harlix.dll export under Wine (tests/wine/harlix_probe_test.cpp), then
# the processor probes again with Wine reporting Windows 98: the port guard
# of the Cyrix exports must hold whichever system family is reported.
source "$VORNAK_SOURCE/tests/wine/lib.sh"
use_prefix default
wine "$VORNAK_BIN/harlix_test.exe" || fail "harlix_test.exe: exit status $?"
use_prefix win98 win98
wine "$VORNAK_BIN/harlix_test.exe" --group probes || fail "harlix_test.exe --group probes (win98): exit status $?"
