#!/usr/bin/env bash
# vornak-report.exe's file replacement where MoveFileEx is not implemented
# (Windows 95, 98, Me) and where it is, in a scratch folder of the default
# prefix (tests/wine/replace_file_test.cpp).
source "$VORNAK_SOURCE/tests/wine/lib.sh"
use_prefix default
make_scratch
cd "$SCRATCH"
out=$(wine "$VORNAK_BUILD/tests/replace_file_test.exe" | tr -d '\r') || { echo "$out" >&2; fail "replace_file_test"; }
echo "report-replace: $out"
