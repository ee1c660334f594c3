#!/usr/bin/env bash
# vornak-report.exe under Wine against the native tool, byte for byte: every
# profile and log under tests/ (and a log of every one- and two-byte code
# page 932 sequence, and a truncated one) through every output, the error
# lines and exit statuses of bad input and of outputs that cannot be
# written, in Wine's default prefix (code page 1252) and in one started with
# code page 932. Also what only Windows has: backslashes, drive letters and
# blanks in paths, a read-only target, a name the ANSI code page cannot
# hold, and a message whose name holds its characters and its controls.
# The page and the site speak the system's language: English in the default
# prefix, Japanese in the code page 932 one (a Japanese user's language,
# 0x0411), each against the native tool in that language, and either
# language by --lang in both.
# Each prefix runs one batch file, so that Wine starts once for it.
source "$VORNAK_SOURCE/tests/wine/lib.sh"
native="$VORNAK_NATIVE/vornak-report"
exe="$VORNAK_BIN/vornak-report.exe"
[ -x "$native" ] || fail "no native vornak-report at $native (run make native first)"
[ -f "$exe" ] || fail "no $exe"
export LC_ALL=C
src=$VORNAK_SOURCE
work=$(mktemp -d)
scratches=()
cleanup() {
  for p in "${VORNAK_WINE:-$VORNAK_BUILD/wine}"/default "${VORNAK_WINE:-$VORNAK_BUILD/wine}"/japanese; do
    WINEPREFIX=$p wineserver -k 2>/dev/null || true
  done
  rm -rf "$work" "${scratches[@]}"
}
trap cleanup EXIT
failures=0
check() { if ! eval "$2"; then echo "FAIL: $1" >&2; failures=$((failures + 1)); fi; }

# The inputs, under the same relative names on both sides.
inputs=$work/inputs
mkdir -p "$inputs/in" "$inputs/dir with blanks/sub"
mapfile -t profiles < <(cd "$src" && find tests/profiles -name '*.profile' -o -name '*.LOG' | LC_ALL=C sort)
for p in "${profiles[@]}"; do mkdir -p "$inputs/$(dirname "$p")"; cp "$src/$p" "$inputs/$p"; done
# Every byte from 0x80 as a character of its own, then every lead byte with
# every trail byte but NUL, CR and LF, one lead byte a line.
python3 - "$inputs/in/sjis.LOG" <<'PY'
import sys
lead = [b for b in range(0x81, 0x100) if b <= 0x9F or 0xE0 <= b <= 0xFC]
lines = [b"VORNAK for Windows95 [Windows NT/2000 mode]", b" ".join(bytes([b]) for b in range(0x80, 0x100))]
for a in lead:
    lines.append(b" ".join(bytes([a, t]) for t in range(1, 0x100) if t not in (0x0A, 0x0D)))
lines.append(b"cut off at the end \x81")
open(sys.argv[1], "wb").write(b"".join(l + b"\r\n" for l in lines))
PY
head -c 1500 "$src/tests/profiles/live/wine-98.LOG" > "$inputs/in/cut.LOG"
# A cut log whose last whole line would set a terminal's title and clear it.
{ head -n 27 "$src/tests/profiles/live/wine-98.LOG"; printf 'Supports \e]0;owned\a\e[2J\x7f\r\ncut off'; } > "$inputs/in/hostile.LOG"
# The cut run appended to by a run in LF: two machines.
{ cat "$inputs/in/cut.LOG"; tr -d '\r' < "$src/tests/profiles/live/wine-nt.LOG"; } > "$inputs/in/glued.LOG"
printf 'VORNAK95-PROFILE 1\nversion = 12xz\n' > "$inputs/in/bad.profile"
cp "$src/tests/profiles/live/wine-nt.LOG" "$inputs/dir with blanks/sub/A.LOG"
all="${profiles[*]} in/sjis.LOG in/cut.LOG in/glued.LOG"

# NAME|ARGUMENTS, the same on both sides (forward slashes), outputs in out/.
# Pages hold at most eight machines: the inputs in four.
cases="log|$all
outline|$all --outline
logfile|$all --log out/all.log
documents|$all --json out/all.json --csv out/all.csv
page1|${profiles[*]:0:6} --html out/page1.html
page2|${profiles[*]:6:5} --html out/page2.html
page3|${profiles[*]:11:6} --html out/page3.html
page4|in/sjis.LOG in/cut.LOG --html -
page-en|tests/profiles/html/p3-500-win98.profile in/cut.LOG in/glued.LOG --lang en --html out/page-en.html
page-ja|tests/profiles/html/p3-500-win98.profile in/cut.LOG in/glued.LOG in/sjis.LOG --lang ja --html out/page-ja.html
site-ja|--site out/site-ja --lang ja in/cut.LOG in/glued.LOG tests/profiles/html
bad-lang|in/cut.LOG --lang jp --html out/bad-lang.html
json-stdout|in/sjis.LOG --json -
csv-stdout|in/cut.LOG tests/profiles/cpu/amd-k6.profile --csv -
hostile|in/hostile.LOG
bad-input|tests/profiles/cpu/amd-k6.profile in/bad.profile --json out/bad.json
missing-input|in/none.LOG
folder-input|in
missing-folder|in/cut.LOG --json out/no/such/x.json
folder-target|in/cut.LOG --csv out
site-refused|in/cut.LOG --site in
input-target|in/cut.LOG --json in/cut.LOG
log-target|--csv in/cut.LOG tests/profiles/cpu/amd-k6.profile
usage|--frobnicate
help|--help
version|--version"

# The native side, then the same bytes expected from Windows: in English
# (LC_ALL=C) and in Japanese (the locale's language).
native_runs() {  # NAME LOCALE
  (export LC_ALL=$2 && cd "$inputs" && mkdir out && while IFS='|' read -r name args; do
    eval "\"$native\" $args" > "out/$name.stdout" 2> "out/$name.stderr"
    echo $? > "out/$name.rc"
  done <<<"$cases") || fail "native runs"
  # The Windows-only cases' native counterparts, spelt with slashes.
  (export LC_ALL=$2 && cd "$inputs" && "$native" "dir with blanks/sub/A.LOG" --csv out/blanks.csv &&
    "$native" "dir with blanks/sub/A.LOG" --outline > out/drive.stdout) || fail "native runs with blanks"
  # A site made, then replaced by one of a file and a folder with blanks.
  (export LC_ALL=$2 && cd "$inputs" && "$native" --site out/site in/cut.LOG > /dev/null 2>&1 &&
    "$native" --site out/site tests/profiles/cpu/amd-k6.profile in/cut.LOG "dir with blanks" \
      > out/site.stdout 2> out/site.stderr) || fail "native site"
  mv "$inputs/out" "$work/$1"
}
native_runs native C
native_runs native-ja ja_JP.UTF-8
grep -q '^<html lang="ja">' "$work/native-ja/page1.html" || fail "the native pages under ja_JP.UTF-8 are not Japanese"
cmp -s "$work/native/page-ja.html" "$work/native-ja/page-ja.html" || fail "--lang ja natively not the same in both locales"
grep -q 'note: in/cut.LOG is truncated' "$work/native/log.stderr" || fail "the cut log is not truncated natively"
grep -qxF 'vornak-report: note: in/hostile.LOG is truncated: its last line is line 28: Supports \x1B]0;owned\x07\x1B[2J\x7F' \
  "$work/native/hostile.stderr" || fail "the hostile log's note natively"
grep -q $'\xef\xbf\xbd' "$work/native/json-stdout.stdout" || fail "no U+FFFD in the code page 932 log's JSON"

# run_prefix NAME LOCALE CODEPAGE LANG GOOD BAD MISSING SHOWN: the batch
# under Wine in prefix NAME, started under LOCALE, which gives the ANSI code
# page CODEPAGE and the user's language LANG (en or ja); GOOD is a file name
# the code page holds, BAD one it does not; MISSING, a name of no file, has
# SHOWN in its message (the code page's bytes, its controls as escapes).
run_prefix() {
  local name=$1 locale=$2 codepage=$3 lang=$4 good=$5 bad=$6 missing=$7 shown=$8
  # The native tool as the prefix's user: the same language.
  local expected=$work/native nativelang=C
  [ "$lang" = ja ] && expected=$work/native-ja nativelang=ja_JP.UTF-8
  use_prefix "$name"
  wineserver -k 2>/dev/null || true  # a wineserver keeps the code page it started with
  local dir
  dir=$(mktemp -d "$WINEPREFIX/drive_c/report.XXXXXX")
  scratches+=("$dir")
  cp -r "$inputs"/. "$dir"/
  cp "$exe" "$dir/vornak-report.exe"
  mkdir "$dir/out" "$dir/replace" "$dir/readonly"
  cp "$inputs/in/cut.LOG" "$dir/$good"
  # The look-alike the code page's best fit would make of BAD: never read.
  cp "$inputs/in/bad.profile" "$dir/$(printf '%s' "$bad" | sed 's/é/e/')"
  mkdir "$dir/表" && cp "$inputs/in/cut.LOG" "$dir/表/表.LOG"
  printf 'old\r\n' > "$dir/replace/all.json"
  printf 'old\r\n' > "$dir/readonly/all.json" && chmod 444 "$dir/readonly/all.json"
  local drive="C:\\${dir##*/}"
  {
    echo '@echo off'
    while IFS='|' read -r case args; do
      echo "vornak-report.exe $args > out\\$case.stdout 2> out\\$case.stderr"
      echo ">out\\$case.rc echo %ERRORLEVEL%"
    done <<<"$cases"
    echo 'vornak-report.exe "dir with blanks\sub\A.LOG" --csv "out\blanks.csv"'
    echo "vornak-report.exe \"$drive\\dir with blanks\\sub\\A.LOG\" --outline > out\\drive.stdout"
    echo 'vornak-report.exe --site out\site in/cut.LOG > nul 2> nul'
    echo 'vornak-report.exe --site out\site tests/profiles/cpu/amd-k6.profile in/cut.LOG "dir with blanks" > out\site.stdout 2> out\site.stderr'
    echo '>out\site.rc echo %ERRORLEVEL%'
    echo 'vornak-report.exe in/cut.LOG --json replace\all.json'
    echo '>out\replace.rc echo %ERRORLEVEL%'
    echo 'vornak-report.exe in/cut.LOG --json readonly\all.json 2> out\readonly.stderr'
    echo '>out\readonly.rc echo %ERRORLEVEL%'
    echo 'vornak-report.exe "%GOOD_NAME%" --json out\good.json'
    # An input named otherwise, as only Windows can: another case, the
    # short name; a log kept in a site, named otherwise; a site in a folder
    # searched, named otherwise, left out.
    echo 'vornak-report.exe in\cut.LOG --json IN\CUT.LOG 2> out\input-case.stderr'
    echo '>out\input-case.rc echo %ERRORLEVEL%'
    echo 'for %%I in ("dir with blanks\sub\A.LOG") do echo %%~sI> out\short.name'
    echo 'for %%I in ("dir with blanks\sub\A.LOG") do vornak-report.exe "%%~sI" --csv "dir with blanks\sub\A.LOG" 2> out\input-short.stderr'
    echo '>out\input-short.rc echo %ERRORLEVEL%'
    echo 'vornak-report.exe --site out\guard in/cut.LOG > nul 2> nul'
    echo 'mkdir out\guard\logs'
    echo 'copy in\cut.LOG out\guard\logs\mine.LOG > nul'
    echo 'vornak-report.exe --site out\guard in\sjis.LOG OUT\GUARD\LOGS 2> out\guard-case.stderr'
    echo '>out\guard-case.rc echo %ERRORLEVEL%'
    echo 'vornak-report.exe --site out\guard out\guard\logs\..\..\guard\logs\mine.LOG 2> out\guard-dots.stderr'
    echo '>out\guard-dots.rc echo %ERRORLEVEL%'
    echo 'mkdir walk'
    echo 'copy in\cut.LOG walk\cut.LOG > nul'
    echo 'vornak-report.exe --site walk\S in/cut.LOG > nul 2> nul'
    echo 'vornak-report.exe --site WALK\s walk 2> out\walk.stderr'
    echo '>out\walk.rc echo %ERRORLEVEL%'
    [ "$name" = japanese ] && echo 'vornak-report.exe "%DBCS_PATH%" --csv out\dbcs.csv --html out\dbcs.html'
    [ "$name" = japanese ] && echo 'vornak-report.exe --site "%DBCS_SITE%" "%DBCS_FOLDER%" 2> nul'
    echo 'vornak-report.exe "%BAD_NAME%" --json out\bad-name.json > out\bad-name.stdout 2> out\bad-name.stderr'
    echo '>out\bad-name.rc echo %ERRORLEVEL%'
    echo 'vornak-report.exe "%MISSING_NAME%" 2> out\missing-name.stderr'
    echo '>out\missing-name.rc echo %ERRORLEVEL%'
    echo 'exit /b 0'
  } | sed 's/$/\r/' > "$dir/run.cmd"
  (cd "$dir" && GOOD_NAME=$good BAD_NAME=$bad MISSING_NAME=$missing DBCS_PATH='表\表.LOG' DBCS_SITE='out\表' DBCS_FOLDER='表' LC_ALL=$locale timeout 500 wine cmd /c run.cmd) ||
    echo "FAIL: $name: the batch ended with status $?" >&2
  local out=$dir/out
  while IFS='|' read -r case args; do
    for part in stdout stderr; do
      check "$name: $case: $part as natively" 'cmp -s "$expected/$case.$part" "$out/$case.$part"'
    done
    check "$name: $case: exit status as natively" '[ "$(tr -d "\r " < "$out/$case.rc")" = "$(cat "$expected/$case.rc")" ]'
  done <<<"$cases"
  for f in all.log all.json all.csv page1.html page2.html page3.html page-en.html page-ja.html; do
    check "$name: $f as natively" 'cmp -s "$expected/$f" "$out/$f"'
  done
  check "$name: without --lang, the page in the user's language ($lang)" 'grep -q "^<html lang=\"$lang\">" "$out/page1.html"'
  check "$name: a bad --lang: exit 2, no page" '[ ! -e "$out/bad-lang.html" ] && grep -q "^vornak-report: --lang needs en or ja, not jp" "$out/bad-lang.stderr"'
  check "$name: backslashes and blanks" 'tr "\\\\" / < "$out/blanks.csv" | cmp -s "$expected/blanks.csv" -'
  # Folders found by the walk are named with backslashes there.
  local site
  for site in site site-ja; do
    check "$name: $site, every file as natively" \
      '[ "$(tr -d "\r\n " < "$out/$site.rc")" = 0 ] && [ "$(cd "$out/$site" && find . -type f | sort)" = "$(cd "$expected/$site" && find . -type f | sort)" ] && (cd "$expected/$site" && for f in $(find . -type f); do cmp -s <(tr "\\\\" / < "$f") <(tr "\\\\" / < "$out/$site/$f") || exit 1; done) && [ -z "$(find "$out" -maxdepth 1 -name ".$site.*")" ]'
  done
  check "$name: the site's messages" 'tr "\\\\" / < "$out/site.stdout" | cmp -s "$expected/site.stdout" - && tr "\\\\" / < "$out/site.stderr" | cmp -s "$expected/site.stderr" -'
  check "$name: a drive letter" 'cmp -s "$expected/drive.stdout" "$out/drive.stdout"'
  check "$name: an old file replaced whole, nothing left beside it" \
    '[ "$(tr -d "\r\n " < "$out/replace.rc")" = 0 ] && cmp -s "$dir/replace/all.json" <(cd "$inputs" && "$native" in/cut.LOG --json -) && [ "$(ls -A "$dir/replace")" = all.json ]'
  check "$name: a read-only target: exit 1, kept, nothing beside it" \
    '[ "$(tr -d "\r\n " < "$out/readonly.rc")" = 1 ] && grep -q "cannot write readonly.all.json: Permission denied" "$out/readonly.stderr" && [ "$(cat "$dir/readonly/all.json")" = $'"'"'old\r'"'"' ] && [ "$(ls -A "$dir/readonly")" = all.json ]'
  # An output never replaces an input, however Windows lets it be named.
  local rc
  for rc in input-case input-short guard-case guard-dots; do
    check "$name: $rc: exit 2" '[ "$(tr -d "\r\n " < "$out/$rc.rc")" = 2 ]'
  done
  check "$name: an input in another case: refused" 'grep -qxF "vornak-report: --json IN\\CUT.LOG would replace the input in\\cut.LOG: nothing written" "$out/input-case.stderr"'
  check "$name: an input by its short name: refused" 'grep -q "~" "$out/short.name" && grep -qx "vornak-report: --csv dir with blanks.sub.A.LOG would replace the input .*~.*A.LOG: nothing written" "$out/input-short.stderr"'
  check "$name: the inputs as they were" 'cmp -s "$inputs/in/cut.LOG" "$dir/in/cut.LOG" && cmp -s "$inputs/dir with blanks/sub/A.LOG" "$dir/dir with blanks/sub/A.LOG"'
  check "$name: a log in the site, in another case: refused" 'grep -qxF "vornak-report: --site out\\guard would replace the input OUT\\GUARD\\LOGS: nothing written" "$out/guard-case.stderr"'
  check "$name: a log in the site, through ..: refused" 'grep -qxF "vornak-report: --site out\\guard would replace the input out\\guard\\logs\\..\\..\\guard\\logs\\mine.LOG: nothing written" "$out/guard-dots.stderr"'
  check "$name: a log in the site: kept, the old site whole" 'cmp -s "$inputs/in/cut.LOG" "$out/guard/logs/mine.LOG" && [ "$(ls "$out/guard/m")" = 1.html ] && [ -z "$(find "$out" -maxdepth 1 -name ".guard.*")" ]'
  check "$name: a site in a folder searched, in another case: left out" '[ "$(tr -d "\r\n " < "$out/walk.rc")" = 0 ] && grep -qx "vornak-report: WALK.s: 1 machines from 1 files" "$out/walk.stderr"'
  check "$name: a name the code page holds" \
    '(cd "$dir" && "$native" "$good" --json -) | cmp -s - "$out/good.json"'
  [ "$name" = japanese ] && check "$name: a trail byte 0x5C in the folder's name" \
    '(cd "$dir" && "$native" "表/表.LOG" --csv - | sed "s|表/表|表\\\\表|") | cmp -s - "$out/dbcs.csv" && (cd "$dir" && LC_ALL=$nativelang "$native" "表/表.LOG" --html -) | sed "s|表/表|表\\\\表|g" | cmp -s - "$out/dbcs.html"'
  [ "$name" = japanese ] && check "$name: a site of the folder 表 in out\\表: both names end in the trail byte 0x5C" \
    '(cd "$dir" && LC_ALL=$nativelang "$native" --site "$work/site932" 表 2> /dev/null) && [ -f "$out/表/index.html" ] && (cd "$work/site932" && for f in $(find . -type f); do cmp -s <(tr "\\\\" / < "$f") <(tr "\\\\" / < "$out/表/$f") || exit 1; done)'
  check "$name: a name the code page cannot hold: exit 2, a message, nothing written" \
    '[ "$(tr -d "\r\n " < "$out/bad-name.rc")" = 2 ] && grep -q "^vornak-report: the name .* has characters that code page $codepage cannot hold" "$out/bad-name.stderr" && [ ! -e "$out/bad-name.json" ] && [ ! -s "$out/bad-name.stdout" ]'
  check "$name: a missing name's message: the code page's characters kept, its controls as escapes" \
    '[ "$(tr -d "\r\n " < "$out/missing-name.rc")" = 2 ] && [ "$(cat "$out/missing-name.stderr")" = "vornak-report: $shown: cannot open the file: No such file or directory" ]'
  local leftovers
  leftovers=$(find "$dir" -iname 'vrp*.tmp')
  check "$name: no temporary file left: $leftovers" '[ -z "$leftovers" ]'
  wineserver -k 2>/dev/null || true
}

# U+0081 (C2 81 in UTF-8) is the byte 0x81 in 1252, one of its C1 controls;
# in 932, 表 and ソ end in 0x5C and ゴ in 0x53 (their trail bytes), and U+0080
# is the byte 0x80.
run_prefix default C.UTF-8 1252 en café.LOG 表é.LOG $'\xc2\x81é.LOG' '\x81'$'\xe9.LOG'
run_prefix japanese ja_JP.UTF-8 932 ja 表.LOG 表é.LOG $'表ソゴ\xc2\x80.LOG' $'\x95\x5c\x83\x5c\x83\x53''\x80.LOG'
[ $failures = 0 ] && echo "report-exe: ok"
exit $failures
