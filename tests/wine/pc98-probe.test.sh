#!/usr/bin/env bash
# The live PC-98 probe under Wine. Set to Windows 98, the accesses to the BIOS
# work area and the ports are made: under QEMU's emulation every one faults,
# and the guard must turn each fault into "not available" (type 0xFF, no
# machine line) instead of a crash; on a host that runs 32-bit code itself,
# Wine emulates a PC/AT's work area and ports for Windows 9x programs, so the
# probe must name a PC/AT. Under the default NT version nothing may be
# touched at all.
source "$VORNAK_SOURCE/tests/wine/lib.sh"
probe="$VORNAK_BUILD/tests/pc98_probe_test.exe"
# A fault that escapes the guard must end the run, not wait in the debugger.
export WINEDLLOVERRIDES="winedbg.exe=d"
[ -f "$probe" ] || fail "no $probe"

run_probe() {  # prefix name [version]
  use_prefix "$@"
  make_scratch
  copy_program "$SCRATCH"
  cp "$probe" "$SCRATCH"/
  (cd "$SCRATCH" && timeout 300 wine pc98_probe_test.exe) > "$SCRATCH/out.txt" || fail "$1: exit status $?: $(cat "$SCRATCH/out.txt")"
  tr -d '\r' < "$SCRATCH/out.txt"
}
expect() {  # output line...
  local out=$1; shift
  for line in "$@"; do
    grep -qxF "$line" <<< "$out" || fail "missing \"$line\" in:"$'\n'"$out"
  done
}

out=$(run_probe win98 win98)
expect "$out" "version = c0000a04"
if grep -qx "biosword 86 = refused" <<< "$out"; then
  expect "$out" "biosbyte 101 = refused" "portin a460 = refused" "portout cc0 = refused" \
    "type = ff" "section type = ff" "lines = 0"
  faults=$(sed -n 's/^faults = //p' <<< "$out")
  # Four direct accesses, then one work-area read by each of the two probes.
  [ "$faults" -ge 6 ] || fail "win98: only $faults faults caught: the accesses were not made"
else
  expect "$out" "type = 10" "section type = 10" "lines = 1"
fi

out=$(run_probe default)
expect "$out" "biosword 86 = refused" "biosbyte 101 = refused" "portin a460 = refused" \
  "portout cc0 = refused" "type = ff" "lines = 0" "faults = 0"
grep -q '^version = [0-7]' <<< "$out" || fail "default prefix is not of the NT family: $out"
echo "pc98-probe: ok"
