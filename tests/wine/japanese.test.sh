#!/usr/bin/env bash
# The program on a Japanese system: Wine started under LC_ALL=ja_JP.UTF-8 runs
# with code page 932 and the IPA fonts that tools/bootstrap installs. The
# font list carries Wine's Shift-JIS family names, win.ini lines whose trail
# bytes look like ASCII letters are compared whole, the replay of the run's
# profile gives its log byte for byte, and a current folder whose name ends
# in the trail byte 0x5C still finds its start page.
source "$VORNAK_SOURCE/tests/wine/lib.sh"
replay="$VORNAK_NATIVE/vornak-report"
[ -x "$replay" ] || fail "no native vornak-report at $replay (run make native first)"
locale -a | grep -qix 'ja_JP\.utf-\?8' || fail "no ja_JP.UTF-8 locale (tools/bootstrap generates it)"
# The shell compares bytes; only Wine runs in the Japanese locale.
export LC_ALL=C
jwine() { LC_ALL=ja_JP.UTF-8 wine "$@"; }
sjis() { printf '%s' "$1" | iconv -f UTF-8 -t CP932; }

use_prefix japanese
make_scratch
# A wineserver keeps the code page it started with: start a fresh one, and
# end it with the test.
wineserver -k 2>/dev/null || true
trap 'wineserver -k 2>/dev/null || true; rm -rf "$SCRATCH"' EXIT

# The current folder, and the temporary folder, are "表" (0x95 0x5C).
folder="$SCRATCH/表"
windows_folder="C:\\${SCRATCH##*/}\\$(sjis 表)"
mkdir "$folder"
copy_program "$folder"
cp "$VORNAK_SOURCE/res/vornak95.htm" "$VORNAK_BUILD/tests/tree_key_test.exe" "$folder"/
cd "$folder"
jwine reg add 'HKCU\Environment' /v TMP /d "C:\\${SCRATCH##*/}\\表" /f >/dev/null 2>&1 ||
  fail "could not set TMP"
wineserver -k 2>/dev/null || true

# win.ini in Shift-JIS. ゴ/ピ (0x83 0x53 / 0x83 0x73) and ア/ヂ (0x83 0x41 /
# 0x83 0x61) differ only in a trail byte that reads as an upper- or
# lower-case letter: different characters, so both lines stay. 表=on and
# 表=ON differ in ASCII case only: one line. The second [表示] merges with
# the first. (Full-width letters of either case are left out: the system's
# comparison calls them equal, the replay's does not model that.)
printf '%s\r\n' '[表示]' 'フォント=ＩＰＡゴシック' 'ソフト=ア' 'ソフト=ア' 'ゴ=1' 'ピ=1' 'ア=x' 'ヂ=X' \
  '表=on' '表=ON' '[ソフト]' '設定=C:\表\' '[表示]' '追加=1' | iconv -f UTF-8 -t CP932 \
  > "$WINEPREFIX/drive_c/windows/win.ini"
expected_win=$(printf '%s\n' '[表示]' 'フォント=ＩＰＡゴシック' 'ソフト=ア' 'ゴ=1' 'ピ=1' 'ア=x' 'ヂ=X' \
  '表=on' '[ソフト]' '設定=C:\表\' '追加=1' | iconv -f UTF-8 -t CP932)

# The tree's index of lines against the system's comparison, under 932.
out=$(jwine tree_key_test.exe | tr -d '\r') || { echo "$out" >&2; fail "tree_key_test under 932"; }
grep -qx 'code page 932' <<<"$out" || fail "Wine did not start with code page 932: $(head -n1 <<<"$out")"
rm tree_key_test.exe

jwine VORNAK95.EXE /RECORD p /LOG 2>/dev/null || fail "record run: exit status $?"
[ -f VORNAK95.LOG ] && [ -s p ] || fail "no VORNAK95.LOG or profile in the folder 表"
mapfile -t log < <(tr -d '\r' < VORNAK95.LOG)
has_line() {
  local line
  for line in "${log[@]}"; do [ "$line" = "$1" ] && return 0; done
  return 1
}

# The IPA Gothic families as Wine names them under 932, byte for byte: ゴ is
# 0x83 0x53, シ 0x83 0x56, ッ 0x83 0x62, ク 0x83 0x4E.
gothic=$'IPA\x83\x53\x83\x56\x83\x62\x83\x4E'
pgothic=$'IPA P\x83\x53\x83\x56\x83\x62\x83\x4E'
for family in "$gothic" "$pgothic" "@$gothic" "@$pgothic"; do
  has_line "Regular : $family " || fail "no font line for $(printf '%s' "$family" | od -An -tx1)"
done
has_line "Regular : IPAGothic " && fail "the font list holds the English name IPAGothic"

# WIN.INI: its lines in the order added, each kept with its LF.
win=$(printf '%s\n' "${log[@]}" | sed -n '/^WIN\.INI$/,/^SYSTEM\.INI$/p' | sed '1d;$d' | grep -v '^$' || true)
[ "$win" = "$expected_win" ] || {
  diff <(iconv -f CP932 -t UTF-8 <<<"$expected_win") <(iconv -f CP932 -t UTF-8 <<<"$win") >&2
  fail "WIN.INI lines under 932"
}

# The temporary folder keeps its bytes, a trail 0x5C before the last backslash.
has_line "Temp Path   : $windows_folder\\" ||
  fail "temp path: $(printf '%s\n' "${log[@]}" | grep '^Temp Path' | od -An -c)"

"$replay" p --log replayed.log || fail "replay: exit status $?"
cmp VORNAK95.LOG replayed.log || {
  diff <(tr -d '\r' < VORNAK95.LOG) <(tr -d '\r' < replayed.log) | head -20 >&2
  fail "the replayed log differs from the one written under 932"
}

# The window in the folder 表: the start page beside the program is found.
driver() { jwine "$VORNAK_BIN/shell_driver.exe" "$@" | tr -d '\r'; }
jwine VORNAK95.EXE 2>/dev/null &
program=$!
driver wait 120 >/dev/null || fail "the main window did not appear"
state=$(driver state)
grep -qx 'html-page=shown' <<<"$state" || fail "the start page was not found in the folder 表: $state"
driver key 0x1B
for _ in $(seq 60); do kill -0 "$program" 2>/dev/null || break; sleep 1; done
kill -0 "$program" 2>/dev/null && fail "Esc did not end the program"
echo "japanese: ok (code page 932, $(grep -c '' <<<"$win") WIN.INI lines)"
