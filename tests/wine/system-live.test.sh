#!/usr/bin/env bash
# The System section of a live run under Wine: the system's lines, the
# processor-type line with the processor's own lines and its benchmarks, the
# memory figures, and no machine line (Wine is of the NT family).
source "$VORNAK_SOURCE/tests/wine/lib.sh"
use_prefix default
make_scratch
copy_program "$SCRATCH"
cd "$SCRATCH"

wine VORNAK95.EXE /LOG || fail "exit status $?"
[ -f VORNAK95.LOG ] || fail "no VORNAK95.LOG"
mapfile -t log < <(tr -d '\r' < VORNAK95.LOG)

# index_of PATTERN [FROM]: the first log line at or after FROM matching the
# extended regular expression PATTERN as a whole, or fail.
index_of() {
  local i
  for (( i = ${2:-0}; i < ${#log[@]}; ++i )); do
    [[ ${log[$i]} =~ ^($1)$ ]] && { echo "$i"; return; }
  done
  fail "no line /$1/ after line ${2:-0}"
}

system=$(index_of System)
info=$(index_of "Systen Info" "$system")
memory=$(index_of "Memory Info" "$info")
index_of 'Physical : [0-9]+ KB / [0-9]+ KB' "$memory" >/dev/null
index_of 'PageFile : [0-9]+ MB / [0-9]+ MB' "$memory" >/dev/null
display=$(index_of "Display Info" "$memory")
index_of "Font List" "$display" >/dev/null
index_of 'Bits per Pixel : [ 0-9][0-9]' "$display" >/dev/null
clip=$(index_of 'Clip Rect: (Yes|No)' "$display")
index_of 'Version : [0-9]+\.[0-9]{2}' "$clip" >/dev/null
index_of 'Platform : Windows NT' "$clip" >/dev/null
index_of '# of Processor : [1-9][0-9]* ' "$clip" >/dev/null

# Wine says 586: the CPU analysis runs with the processor's own CPUID answers.
cpu=$(index_of 'CPU TYPE : Intel Pentium or Pentium Pro' "$clip")
[[ ${log[$((cpu + 1))]} =~ ^[[:print:]]{12}$ ]] || fail "no vendor line after CPU TYPE: ${log[$((cpu + 1))]}"
[[ ${log[$((cpu + 2))]} =~ ^CPU\ ID\ Num\ :\ [0-9a-f]{4,}$ ]] || fail "signature line: ${log[$((cpu + 2))]}"
[[ ${log[$((cpu + 3))]} =~ ^CPU\ ID\ Max\ Value\ :\ [0-9a-f]{4,}$ ]] || fail "maximum leaf line: ${log[$((cpu + 3))]}"
bench=$(index_of '----- VORNAK Harlix -----' "$cpu")
processor=$(index_of '----- VORNAK Harlix (Intel & AMD TimeStamp|Speed) Performance -----' "$bench")
[ "$processor" = $((bench + 1)) ] || fail "the processor benchmark does not follow the header"
# Real timings: the processor's kernels ran and took some milliseconds. A
# processor of today runs the integer kernel within one tick of the
# millisecond counter when Wine runs natively, so any kernel will do.
integer=$(index_of 'Integer +: +[0-9]+ Point \[ *[0-9]+\([0-9a-f]{4}H\)\]' "$processor")
timed=0
for (( i = integer; i < integer + 5; ++i )); do
  [[ ${log[$i]} =~ ^(Integer|Float)\ +:\ +[0-9]+\ Point\ \[\ *[1-9][0-9]*\( ]] && timed=1
done
[ $timed = 1 ] || fail "no processor kernel took any time: ${log[*]:$integer:5}"
mem=$(index_of '----- VORNAK Harlix Memory Performance -----' "$processor")
index_of 'MemCopy 32MB +: +[0-9]+ Point .*' "$mem" >/dev/null
mouse=$(index_of 'Mouse (Instaled|not Installed)' "$mem")
index_of 'Pen Service (Instaled|not Installed)' "$mouse" >/dev/null
thread=$(index_of Thread "$mouse")

for line in "${log[@]}"; do
  [[ $line == MACHINE:* ]] && fail "a machine line under the NT family: $line"
done
echo "system-live: ok (${log[$((cpu + 1))]}, ${log[$((cpu + 2))]})"
