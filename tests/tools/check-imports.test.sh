#!/usr/bin/env bash
# tools/check-imports: our binaries (the companion's too) pass; a binary that
# calls a function Windows 95 lacks fails with that function's name; a missing or
# empty reference list fails rather than passing.
set -uo pipefail
bin=$1
here=$(cd "$(dirname "$0")/../.." && pwd)
check="$here/tools/check-imports"
dir=$(mktemp -d); trap 'rm -rf "$dir"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

binaries=("$bin/VORNAK95.EXE" "$bin/NUVASH32.dll")
[ -f "$bin/Harlix.dll" ] && binaries+=("$bin/Harlix.dll")
binaries+=("$bin/vornak-report.exe")
"$check" "${binaries[@]}" || fail "our binaries: $("$check" "${binaries[@]}" 2>&1 | head -5)"

# The companion's printf is msvcrt.dll's, which on Windows 95 formats no
# %zu, %lld or %jd: Wine's does, so only the sources can tell.
formats=$(cd "$here" && grep -rnE '%[-+ #0-9.*]*(z|ll|j|t)[diouxX]' vornak-report app cpu bench probes \
  --include='*.cpp' --include='*.h' | grep -vE '^[^:]+:[0-9]+: *//')
[ -z "$formats" ] || fail "formats msvcrt.dll of Windows 95 lacks: $formats"

# The program binds 31 of Harlix.dll's 32 exports, all but HLX_WriteCyrixReg.
if [ -f "$bin/Harlix.dll" ]; then
  hlx=$(i686-w64-mingw32-objdump -p "$bin/VORNAK95.EXE" | sed -n '/DLL Name: Harlix.dll/,/^$/p' | grep -o 'HLX_[A-Za-z0-9]*')
  [ "$(wc -l <<<"$hlx")" = 31 ] || fail "VORNAK95.EXE imports $(wc -l <<<"$hlx") Harlix exports, expected 31"
  grep -qx HLX_WriteCyrixReg <<<"$hlx" && fail "VORNAK95.EXE imports HLX_WriteCyrixReg"
fi

# A test build that calls GetTickCount64 (Vista and later).
cat > "$dir/late.c" <<'C'
#include <windows.h>
int main(void) { return (int)GetTickCount64(); }
C
i686-w64-mingw32-gcc -D_WIN32_WINNT=0x0600 "$dir/late.c" -o "$dir/late.exe" || fail "cannot build the probe"
out=$("$check" "$dir/late.exe"); rc=$?
[ $rc = 1 ] || fail "late.exe: exit status $rc, expected 1"
grep -q 'late.exe: kernel32.dll!GetTickCount64 is missing' <<<"$out" || fail "late.exe: message: $out"

# The check needs nothing beside the repository: a copy of the tool with its
# lists and allowance, alone in a folder, passes our binaries.
mkdir -p "$dir/alone/tools"
cp -r "$check" "$here/tools/check-imports.allow" "$here/tools/win95-exports" "$dir/alone/tools/"
"$dir/alone/tools/check-imports" "${binaries[@]}" >/dev/null ||
  fail "a copy with nothing beside it: $("$dir/alone/tools/check-imports" "${binaries[@]}" 2>&1 | head -3)"

# Reference lists that are missing or empty fail the check.
mkdir "$dir/none" "$dir/empty"
"$check" --exports "$dir/none" "$dir/late.exe" >/dev/null; rc=$?
[ $rc = 2 ] || fail "missing lists: exit status $rc, expected 2"
for f in "$here"/tools/win95-exports/*.txt; do head -n1 "$f" > "$dir/empty/$(basename "$f")"; done
[ -f "$dir/empty/kernel32.txt" ] || fail "no reference lists in tools/win95-exports"
"$check" --exports "$dir/empty" "$bin/NUVASH32.dll" >/dev/null; rc=$?
[ $rc = 2 ] || fail "empty lists: exit status $rc, expected 2"

[ $failures = 0 ] && echo "check-imports: ok"
exit $failures
