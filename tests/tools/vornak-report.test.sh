#!/usr/bin/env bash
# vornak-report as a user calls it: good profiles give the log or the outline,
# bad ones a message with the line number, exit status 2 and no output.
set -uo pipefail
tool=$1
dir=$(mktemp -d); trap 'rm -rf "$dir"' EXIT
failures=0
check() { if ! eval "$2"; then echo "FAIL: $1" >&2; failures=$((failures + 1)); fi; }

printf 'VORNAK95-PROFILE 1\n# Windows 98\nversion = c0000a04\nnuvash32 = 00000102\n' > "$dir/good"
"$tool" "$dir/good" > "$dir/log"; rc=$?
check "good profile exit 0" '[ $rc = 0 ]'
check "log starts with the root line" '[ "$(head -n1 "$dir/log")" = $'"'"'VORNAK for Windows95 [Windows 95/98/98SE [chicago]  mode]\r'"'"' ]'
"$tool" "$dir/good" --log "$dir/file.log"
check "--log writes the same bytes" 'cmp -s "$dir/log" "$dir/file.log"'
"$tool" "$dir/good" --outline > "$dir/outline"
check "outline indents children by two blanks" 'grep -qx "  OS Version:4.10" "$dir/outline"'
check "outline has no CR" '! grep -q $'"'"'\r'"'"' "$dir/outline"'

while IFS='|' read -r name content line; do
  printf "$content" > "$dir/bad"
  out=$("$tool" "$dir/bad" 2>"$dir/err"); rc=$?
  check "$name: exit 2" '[ $rc = 2 ]'
  check "$name: nothing on standard output" '[ -z "$out" ]'
  check "$name: message names file and line $line" 'grep -q "$dir/bad:$line: " "$dir/err"'
done <<'CASES'
wrong magic|HELLO\n|1
unknown key|VORNAK95-PROFILE 1\nvolts = 1\n|2
malformed number|VORNAK95-PROFILE 1\nversion = 12xz\n|2
bad escape|VORNAK95-PROFILE 1\nvendor = "a\\\\zz"\n|2
truncated last line|VORNAK95-PROFILE 1\nversion = 1\nnuvash32 = 1|3
binary garbage|\x7fELF\x01\x02\x00\x00|1
CASES

"$tool" "$dir/missing" >/dev/null 2>&1; rc=$?
check "missing file exit 2" '[ $rc = 2 ]'
"$tool" >/dev/null 2>&1; rc=$?
check "no arguments exit 2" '[ $rc = 2 ]'
[ $failures = 0 ] && echo "vornak-report: ok"
exit $failures
