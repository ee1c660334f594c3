#!/usr/bin/env bash
# vornak-report.exe's file replacement where MoveFileEx is not implemented
# (Windows 95, 98, Me) and where it is, in a scratch folder of the default
# prefix (tests/wine/replace_file_test.cpp); then its paths split in code
# page 932, where a name's trail byte may be 0x5C.
source "$VORNAK_SOURCE/tests/wine/lib.sh"
use_prefix default
make_scratch
cd "$SCRATCH"
out=$(wine "$VORNAK_BUILD/tests/replace_file_test.exe" | tr -d '\r') || { echo "$out" >&2; fail "replace_file_test"; }
echo "report-replace: $out"
use_prefix japanese
wineserver -k 2>/dev/null || true  # a wineserver keeps the code page it started with
out=$(LC_ALL=ja_JP.UTF-8 wine "$VORNAK_BUILD/tests/replace_file_test.exe" paths | tr -d '\r') || { echo "$out" >&2; fail "replace_file_test paths"; }
wineserver -k 2>/dev/null || true
[ "$out" = "paths in code page 932: 0 failures" ] || fail "not run in code page 932: $out"
echo "report-replace: $out"
