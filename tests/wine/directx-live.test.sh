#!/usr/bin/env bash
# The DirectX lines of a live run under Wine: the six components in order,
# each with what Wine answers for it. The log has no indentation, so the
# checks go by the order of the lines.
source "$VORNAK_SOURCE/tests/wine/lib.sh"
use_prefix default
make_scratch
copy_program "$SCRATCH"
cd "$SCRATCH"

wine VORNAK95.EXE /LOG 2>/dev/null || fail "exit status $?"
mapfile -t log < <(tr -d '\r' < VORNAK95.LOG)

# The DirectX block: from its heading to the "Windows" heading.
start=-1 end=-1
for i in "${!log[@]}"; do
  [ "${log[$i]}" = DirectX ] && [ $start -lt 0 ] && start=$i
  [ "${log[$i]}" = Windows ] && [ $start -ge 0 ] && { end=$i; break; }
done
[ $start = 3 ] || fail "DirectX is not the line after the version lines (at $start)"
[ $end -gt $start ] || fail "no Windows line after DirectX"
dx=("${log[@]:$start:$((end - start))}")

# at NAME: index of the first line NAME in the block (after index $2 when given).
at() {
  local from=${2:-0} i
  for ((i = from; i < ${#dx[@]}; i++)); do [ "${dx[$i]}" = "$1" ] && { echo $i; return; }; done
  echo -1
}
d3d=$(at Direct3D); dd=$(at DirectDraw); dd2=$(at DirectDraw2); ds=$(at DirectSound)
dp=$(at DirectPlay); di=$(at DirectInput)
[ "$d3d" -ge 0 ] && [ "$dd" -gt "$d3d" ] && [ "$dd2" -gt "$dd" ] && [ "$ds" -gt "$dd2" ] &&
  [ "$dp" -gt "$ds" ] && [ "$di" -gt "$dp" ] || fail "components out of order: $d3d $dd $dd2 $ds $dp $di"

# Direct3D: retained mode starts, but Wine does not implement GetDevices.
[ "${dx[$((d3d + 1))]}" = "Initialize Error:GetDevices" ] || fail "Direct3D: ${dx[$((d3d + 1))]}"
[ $((d3d + 2)) = "$dd" ] || fail "Direct3D has more than one line"

# DirectDraw and DirectDraw2: both records decoded, 50 lines each.
for range in "$dd $dd2" "$dd2 $ds"; do
  set -- $range
  [ "${dx[$(($1 + 1))]}" = "Device Driver" ] || fail "no driver record after ${dx[$1]}"
  [[ "${dx[$(($1 + 2))]}" =~ ^Caps\ :\ [0-9a-f]+$ ]] || fail "caps line: ${dx[$(($1 + 2))]}"
  [ "${dx[$(($1 + 3))]}" = "General Support" ] || fail "no General Support under ${dx[$1]}"
  emu=$(at "Hardware Emulation" "$1")
  [ "$emu" -gt "$1" ] && [ "$emu" -lt "$2" ] || fail "no emulation record under ${dx[$1]}"
  [ $(($2 - $1 - 1)) = 100 ] || fail "${dx[$1]} has $(($2 - $1 - 1)) lines, not 100"
  yesno=$(printf '%s\n' "${dx[@]:$1:$(($2 - $1))}" | grep -cE ' : (YES|NO)$')
  [ "$yesno" = 68 ] || fail "${dx[$1]}: $yesno flag lines"
  printf '%s\n' "${dx[@]:$1:$(($2 - $1))}" | grep -qE '^Total Video Memory : [0-9]+ MB$' ||
    fail "${dx[$1]}: no video memory line"
done

# DirectSound: without a sound card Wine refuses to create it; with one the
# capabilities follow.
sound="${dx[$((ds + 1))]}"
if [ "$sound" != "Initialize Error:DirectSoundCreate" ]; then
  printf '%s\n' "${dx[@]:$ds:$((dp - ds))}" | grep -qE '^Primary Buffers = [0-9]+$' ||
    fail "DirectSound: neither the creation error nor the caps ($sound)"
fi

# DirectPlay: the providers Wine installs, then the caps, which Wine does not
# implement.
mapfile -t providers < <(printf '%s\n' "${dx[@]:$((dp + 1)):$((di - dp - 1))}" | grep -E ' version [0-9]+\.[0-9a-f]{2,}$')
[ "${#providers[@]}" -ge 1 ] || fail "no DirectPlay provider listed"
printf '%s\n' "${providers[@]}" | grep -qx "Internet TCP/IP Connection For DirectPlay version 6.00" ||
  fail "providers: ${providers[*]}"
caps=$(at "Device CAPS(IPX)" "$dp")
[ "$caps" = $((dp + 1 + ${#providers[@]})) ] || fail "Device CAPS(IPX) not right after the providers"
[ "${dx[$((caps + 1))]}" = "Could't get CAPS(IPX)" ] || fail "DirectPlay caps: ${dx[$((caps + 1))]}"

# DirectInput: Wine counts 16 joystick slots but answers JOYERR_PARMS for them.
[[ "${dx[$((di + 1))]}" =~ ^#of\ Joystics\ Devices\ :\ [0-9]+$ ]] || fail "joystick count: ${dx[$((di + 1))]}"
[ "${dx[$((di + 2))]}" = "JoyStick1 not found" ] || fail "joystick 1: ${dx[$((di + 2))]}"
[ "${dx[$((di + 3))]}" = "JoyStick2 not found" ] || fail "joystick 2: ${dx[$((di + 3))]}"
[ $((di + 4)) = ${#dx[@]} ] || fail "lines after the joysticks"
echo "directx-live: ok (${#dx[@]} lines, ${#providers[@]} providers, sound: $sound)"
