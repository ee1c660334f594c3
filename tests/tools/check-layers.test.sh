#!/usr/bin/env bash
# tools/check-layers: the checkout's includes all run down the layers; in a
# small tree of its own, an include reaching up, one across to the other
# program, and a folder without a layer each fail, naming the file and line.
set -uo pipefail
here=$(cd "$(dirname "$0")/../.." && pwd)
check="$here/tools/check-layers"
dir=$(mktemp -d); trap 'rm -rf "$dir"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

out=$("$check" "$here" 2>&1) || fail "this checkout: $out"

# tree NAME FILE:INCLUDE...: a git tree of one-line files, each including one header.
tree() {
  local t=$dir/$1; shift
  mkdir -p "$t" && git -C "$t" init -q
  for file_include in "$@"; do
    mkdir -p "$t/$(dirname "${file_include%%:*}")"
    printf '#include "%s"\n' "${file_include#*:}" > "$t/${file_include%%:*}"
  done
  git -C "$t" add -A
}
while IFS='|' read -r name status expect files; do
  # shellcheck disable=SC2086
  tree "$name" $files
  out=$("$check" "$dir/$name" 2>&1); rc=$?
  [ $rc = "$status" ] || fail "$name: exit $rc, not $status: $out"
  grep -qF -- "$expect" <<<"$out" || fail "$name: no \"$expect\" in: $out"
done <<'CASES'
down the layers|0|0 reaching up|run/a.cpp:probes/b.h probes/b.h:report/c.h report/c.h:platform/d.h tests/t.cpp:vornak95/e.h
a base reaching up|1|report/c.h:1: includes run/ from report/|run/a.h:report/c.h report/c.h:run/a.h
within the sections|1|bench/b.cpp:1: includes cpu/ from bench/|cpu/a.cpp:bench/b.h bench/b.cpp:cpu/a.h
one program from the other|1|vornak95/m.cpp:1: includes vornak-report/|vornak95/m.cpp:vornak-report/o.h
a folder without a layer|2|folders without a layer: extra|extra/x.cpp:report/c.h
CASES

[ $failures = 0 ] && echo "check-layers.test.sh: all passed"
exit $((failures > 0))
