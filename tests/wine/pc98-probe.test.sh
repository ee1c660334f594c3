#!/usr/bin/env bash
# The live PC-98 probe under Wine. Set to Windows 98, every access to the BIOS
# work area and the ports faults; the guard must turn each fault into "not
# available" (type 0xFF, no machine line) instead of a crash. Under the
# default NT version nothing may be touched at all.
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
faults=$(sed -n 's/^faults = //p' <<< "$out")
if grep -qxF "portin a460 = refused" <<< "$out"; then
  expect "$out" "version = c0000a04" "biosword 86 = refused" "biosbyte 101 = refused" \
    "portin a460 = refused" "portout cc0 = refused" "type = ff" "section type = ff" "lines = 0"
  # Four direct accesses, then one work-area read by each of the two probes.
  [ "$faults" -ge 6 ] || fail "win98: only $faults faults caught: the accesses were not made"
else
  # Wine running 32-bit code natively (no emulator) answers a Windows 98
  # process's port I/O and its reads of the BIOS work area as Windows 98
  # would: no PC-98 hardware answers, so the machine is a PC/AT. Its work
  # area ends before 0x101, and that read's fault is caught by the guard.
  expect "$out" "version = c0000a04" "biosbyte 101 = refused" "portin a460 = ffff" "portout cc0 = ok" \
    "type = 10" "section type = 10" "lines = 1"
  [ "$faults" -ge 1 ] || fail "win98: no fault caught: $out"
fi

out=$(run_probe default)
expect "$out" "biosword 86 = refused" "biosbyte 101 = refused" "portin a460 = refused" \
  "portout cc0 = refused" "type = ff" "lines = 0" "faults = 0"
grep -q '^version = [0-7]' <<< "$out" || fail "default prefix is not of the NT family: $out"
echo "pc98-probe: ok"
