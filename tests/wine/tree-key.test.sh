#!/usr/bin/env bash
# The report tree's index of lines against lstrcmpiA on the real tree control,
# in a default prefix (code page 1252); japanese.test.sh runs it under 932.
source "$VORNAK_SOURCE/tests/wine/lib.sh"
use_prefix default
test="$VORNAK_BUILD/tests/tree_key_test.exe"
[ -f "$test" ] || fail "no $test"
out=$(wine "$test" | tr -d '\r') || { echo "$out" >&2; fail "tree_key_test failed"; }
grep -qx 'code page 1252' <<<"$out" || fail "not code page 1252: $(head -n1 <<<"$out")"
echo "tree-key: ok ($(tail -n1 <<<"$out"))"
