#!/usr/bin/env bash
# tools/check-cmov: our binaries hold no Pentium Pro instruction in code of
# our own; a program compiled for the Pentium Pro fails, naming the function,
# and the same program compiled for the 486 passes.
set -uo pipefail
build=$1
here=$(cd "$(dirname "$0")/../.." && pwd)
check="$here/tools/check-cmov"
dir=$(mktemp -d); trap 'rm -rf "$dir"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

out=$("$check" --map "$build/VORNAK95.map" "$build/bin/VORNAK95.EXE" "$build/bin/Harlix.dll" \
      "$build/bin/NUVASH32.dll") || fail "our binaries: $(grep FAIL <<<"$out" | head -5)"
# The start-up code's loop is the one the filter must always handle.
grep -q 'left to the run-time filter: crt2.o' <<<"$out" || fail "the start-up code's CMOV is not listed: $out"

cat > "$dir/pick.c" <<'C'
int pick(int a, int b, int c) { return c ? a : b; }
int main(int argc, char** argv) { (void)argv; return pick(argc, 7, argc > 1); }
C
for arch in i686 i486; do
  i686-w64-mingw32-gcc -O2 -march=$arch -o "$dir/$arch.exe" "$dir/pick.c" -Wl,-Map,"$dir/$arch.map" ||
    fail "cannot build the $arch sample"
done
"$check" --map "$dir/i686.map" "$dir/i686.exe" > "$dir/out" && fail "a Pentium Pro build passed"
grep -q '^FAIL: .*cmov.* in _pick from ' "$dir/out" || fail "the failure does not name pick: $(cat "$dir/out")"
"$check" --map "$dir/i486.map" "$dir/i486.exe" > "$dir/out" || fail "a 486 build failed: $(cat "$dir/out")"
[ $failures = 0 ] && echo "check-cmov: ok"
exit $failures
