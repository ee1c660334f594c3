#!/usr/bin/env bash
# The window list, both initialisation files and the drives of a live run
# under Wine, against a prefix whose win.ini holds lines we put there.
source "$VORNAK_SOURCE/tests/wine/lib.sh"
use_prefix files
make_scratch
copy_program "$SCRATCH"
cd "$SCRATCH"

# A win.ini of our own: a comment before the first section, a section that
# appears twice (its lines merge), an empty line, a last line without an end.
win_ini="$WINEPREFIX/drive_c/windows/win.ini"
rm -rf "$win_ini"
printf '; written by files-live\r\n[vornak]\r\nalpha=1\r\n\r\nbeta=two words\r\n[other]\r\ngamma=3\r\n[VORNAK]\r\ndelta=4\r\nz' \
  > "$win_ini"

wine VORNAK95.EXE /LOG || fail "exit status $?"
[ -f VORNAK95.LOG ] || fail "no VORNAK95.LOG"
mapfile -t log < <(tr -d '\r' < VORNAK95.LOG)

# index_of TEXT: the first log line equal to TEXT, or fail.
index_of() {
  local i
  for i in "${!log[@]}"; do [ "${log[$i]}" = "$1" ] && { echo "$i"; return; }; done
  fail "no line \"$1\""
}
# The log keeps an ini line's LF: it shows as a line of its own after it.
section() { sed -n "$(( $(index_of "$1") + 2 )),$(index_of "$2")p" < <(printf '%s\n' "${log[@]}") | grep -v '^$' || true; }

# Thread: at least the program's own main window, one line per window.
thread=$(section Thread "Initial File")
grep -qE '^HWND = 0x[0-9a-f]{8} ' <<<"$thread" || fail "no window under Thread: $thread"
grep -vqE '^HWND = 0x[0-9a-f]{8} ' <<<"$thread" && fail "a stray line under Thread: $thread"

expected_win=$'; written by files-live\n[vornak]\nalpha=1\nbeta=two words\n[other]\ngamma=3\ndelta=4'
[ "$(section WIN.INI SYSTEM.INI)" = "$expected_win" ] || fail "WIN.INI lines: $(section WIN.INI SYSTEM.INI)"

sys=$(section SYSTEM.INI "Drive Info")
grep -qx '\[mci\]' <<<"$sys" || fail "no [mci] under SYSTEM.INI: $sys"

drive=$(printf '%s\n' "${log[@]}" | sed -n "$(( $(index_of "Drive Info") + 2 )),\$p")
grep -qx 'System  Dir : C:\\windows\\system32' <<<"$drive" || fail "system dir: $drive"
grep -qx 'Windows Dir : C:\\windows' <<<"$drive" || fail "windows dir: $drive"
grep -qE '^Temp Path   : C:\\.+\\$' <<<"$drive" || fail "temp path: $drive"
for letter in C Z; do
  block=$(sed -n "/^--- $letter ---\$/,/^Free Bytes/p" <<<"$drive")
  [ -n "$block" ] || fail "no drive $letter: $drive"
  for pattern in '^File System : .+' '^Root Name : ' '^Serial Numver : [0-9a-f]{8}$' \
      '^Max File Name : [0-9]+$' '^Drive Type : (Hard Disk|Network|No root directory|Removable Disk|CDRom|RAM DISK|UnKnown)$' \
      '^Unicode (not )?Support$' '^Case is (NOT )?Preserved$' '^Case is (NOT )?Sensitive$' \
      '^Clusters : [0-9]+ / [0-9]+ \[[0-9]+% Used\]$' '^Sectors/Cluster : [0-9]+ $' \
      '^Bytes  /Cluster : [0-9]+ $' '^Free Bytes      : [0-9]+ (KB|MB|GB)$'; do
    grep -qE "$pattern" <<<"$block" || fail "drive $letter lacks /$pattern/: $block"
  done
done
grep -qx 'Drive Type : Hard Disk' <<<"$(sed -n '/^--- C ---$/,/^Free Bytes/p' <<<"$drive")" || fail "C: is no hard disk"
# A win.ini that is a directory cannot be opened: WIN.INI stays empty and the
# run goes on to SYSTEM.INI.
rm -f "$win_ini" && mkdir "$win_ini"
wine VORNAK95.EXE /LOG || fail "exit status $? with win.ini a directory"
mapfile -t log < <(tr -d '\r' < VORNAK95.LOG)
rmdir "$win_ini"
[ $(( $(index_of SYSTEM.INI) - $(index_of WIN.INI) )) = 1 ] || fail "lines under a win.ini directory"
echo "files-live: ok"
