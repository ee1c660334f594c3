#!/usr/bin/env bash
# vornak-report as a user calls it: good profiles give the log or the outline,
# bad ones a message with the line number, exit status 2 and no output.
set -uo pipefail
tool=$(realpath "$1")
src=$(cd "$(dirname "$0")/../.." && pwd)
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

while IFS='|' read -r name content where; do
  printf "$content" > "$dir/bad"
  out=$("$tool" "$dir/bad" 2>"$dir/err"); rc=$?
  check "$name: exit 2" '[ $rc = 2 ]'
  check "$name: nothing on standard output" '[ -z "$out" ]'
  check "$name: message names file and line: $where" 'grep -q "$dir/bad:$where" "$dir/err"'
done <<'CASES'
wrong magic|HELLO\n| not a VORNAK95 log or profile
unknown key|VORNAK95-PROFILE 1\nvolts = 1\n|2: 
malformed number|VORNAK95-PROFILE 1\nversion = 12xz\n|2: 
bad escape|VORNAK95-PROFILE 1\nvendor = "a\\\\zz"\n|2: 
truncated last line|VORNAK95-PROFILE 1\nversion = 1\nnuvash32 = 1|3: 
binary garbage|\x7fELF\x01\x02\x00\x00| not a VORNAK95 log or profile
NUL in a log line|VORNAK for Windows95 [x]\r\nOS\x00Version\r\n|2: a NUL byte
CASES

# The 64 MB limit, at its edge, for a file that stat sizes (sparse, so no
# time or disk is spent) and for what it cannot: a pipe and a device. Exactly
# 64 MB is read (and refused for its first line); a byte more is too big.
cap=$((64 << 20))
truncate -s $cap "$dir/at-cap"
truncate -s $((cap + 1)) "$dir/over-cap"
printf 'VORNAK for Windows95 [' > "$dir/over-cap.LOG"; truncate -s $((cap + 1)) "$dir/over-cap.LOG"
while IFS=';' read -r name command message; do
  out=$(eval "$command" 2>"$dir/err"); rc=$?
  check "$name: exit 2, nothing written" '[ $rc = 2 ] && [ -z "$out" ]'
  check "$name: $message" 'grep -q "$message" "$dir/err"'
done <<'CASES'
file at the limit;"$tool" "$dir/at-cap";at-cap: not a VORNAK95 log or profile
file over the limit;"$tool" "$dir/over-cap";over-cap: expected a log or profile of at most 64 MB
log over the limit;"$tool" "$dir/over-cap.LOG";over-cap.LOG: expected a log or profile of at most 64 MB
pipe at the limit;head -c $cap /dev/zero | "$tool" /dev/stdin;stdin: not a VORNAK95 log or profile
pipe over the limit;head -c $((cap + 1)) /dev/zero | "$tool" /dev/stdin;stdin: expected a log or profile of at most 64 MB
device without end;"$tool" /dev/zero;/dev/zero: expected a log or profile of at most 64 MB
CASES

"$tool" "$dir/missing" >/dev/null 2>&1; rc=$?
check "missing file exit 2" '[ $rc = 2 ]'
"$tool" >/dev/null 2>&1; rc=$?
check "no arguments exit 2" '[ $rc = 2 ]'

# A count with fewer lines than it promises is refused at once, by its line:
# replaying it once ran for minutes while memory grew.
for list in "windows|window = 1 \"x\" 0|window" "fonts|font = \"a\" \"b\"|font"; do
  IFS='|' read -r count item name <<<"$list"
  printf 'VORNAK95-PROFILE 1\n%s = 80000000\n%s\n' "$count" "$item" > "$dir/count"
  out=$(timeout 20 "$tool" "$dir/count" 2>"$dir/err"); rc=$?
  check "$count beyond its lines: exit 2 at once" '[ $rc = 2 ]'
  check "$count beyond its lines: line 2 named" 'grep -q "$dir/count:2: expected 2147483648 \"$name\" line(s)" "$dir/err"'
done

# Conventions: help and version on standard output with status 0; an output
# that cannot be written is status 1, with the reason.
"$tool" --help > "$dir/help"; rc=$?
check "--help exit 0" '[ $rc = 0 ] && grep -q "^usage: vornak-report" "$dir/help"'
"$tool" --version > "$dir/version"; rc=$?
check "--version exit 0" '[ $rc = 0 ] && grep -q "^vornak-report " "$dir/version"'
if [ -w /dev/full ]; then
  "$tool" "$dir/good" > /dev/full 2>"$dir/err"; rc=$?
  check "full standard output exit 1" '[ $rc = 1 ] && grep -q "cannot write standard output: No space left" "$dir/err"'
fi

# Every file output is replaced whole or not at all. A write that fails
# part-way (a file size limit, its signal ignored so that the write returns
# an error) is status 1 with the reason, and leaves the old file byte for
# byte and nothing else in its folder; so does a target in a missing folder
# or one that is a folder. Each output gets more than 4 KB (the CSV of 12
# machines). Not /dev/full: run as root, a tool that wrongly
# replaced or removed its target there would take the device node with it.
profile=$src/tests/profiles/html/p3-500-win98.profile  # every output of it is over 4 KB
while IFS='|' read -r kind option copies; do
  inputs=(); for ((i = 0; i < copies; i++)); do inputs+=("$profile"); done
  out=$dir/replaced-$kind
  mkdir "$out"
  printf 'the previous good %s\r\n' "$kind" > "$out/target"
  cp "$out/target" "$dir/replaced-$kind.old"
  (trap '' XFSZ; ulimit -f 4; exec "$tool" "${inputs[@]}" $option "$out/target") 2>"$dir/err"; rc=$?
  check "$kind, a failing write: exit 1 with the reason" '[ $rc = 1 ] && grep -q "cannot write $out/target: File too large" "$dir/err"'
  check "$kind, a failing write: the old file as it was" 'cmp -s "$out/target" "$dir/replaced-$kind.old"'
  check "$kind, a failing write: nothing else in the folder" '[ "$(ls -A "$out")" = target ]'
  "$tool" "${inputs[@]}" $option "$out/no/such/folder/x" 2>"$dir/err"; rc=$?
  check "$kind, a missing folder: exit 1 with the reason" '[ $rc = 1 ] && grep -q "cannot write $out/no/such/folder/x: No such file or directory" "$dir/err"'
  "$tool" "${inputs[@]}" $option "$out" 2>"$dir/err"; rc=$?
  check "$kind, a folder as the target: exit 1 with the reason" '[ $rc = 1 ] && grep -q "cannot write $out: Is a directory" "$dir/err"'
  check "$kind, a folder as the target: nothing added to it" '[ "$(ls -A "$out")" = target ]'
  chmod 640 "$out/target"
  ln -s target "$out/link"
  "$tool" "${inputs[@]}" $option "$out/link" 2>"$dir/err"; rc=$?
  check "$kind, through a link: exit 0, the link kept" '[ $rc = 0 ] && [ -L "$out/link" ] && [ "$(ls -A "$out" | tr "\n" " ")" = "link target " ]'
  check "$kind, through a link: the file replaced whole, its mode kept" '[ $(stat -c %s "$out/target") -gt 4096 ] && [ $(stat -c %a "$out/target") = 640 ]'
done <<'KINDS'
log|--log|1
outline|--outline --log|1
html|--html|1
json|--json|1
csv|--csv|12
KINDS
"$tool" "$profile" | cmp -s - "$dir/replaced-log/target"
check "the log replaced with the log's bytes" '[ $? = 0 ]'
(umask 022; "$tool" "$profile" --log "$dir/new.log")
check "a new file has the usual mode, not a temporary file's" '[ $(stat -c %a "$dir/new.log") = 644 ]'
(ulimit -f 4; exec "$tool" "$profile" --log "$dir/replaced-log/target") 2>/dev/null; rc=$?
check "a file size limit whose signal is not ignored: still exit 1, the file kept" '[ $rc = 1 ] && "$tool" "$profile" | cmp -s - "$dir/replaced-log/target"'
# A target that is no regular file (a pipe here) is written in place.
mkfifo "$dir/fifo"
timeout 20 cat "$dir/fifo" > "$dir/from-fifo" & reader=$!
"$tool" "$profile" --log "$dir/fifo" 2>"$dir/err"; rc=$?
wait $reader
check "a pipe as the target: written in place, still a pipe" '[ $rc = 0 ] && [ -p "$dir/fifo" ] && "$tool" "$profile" | cmp -s - "$dir/from-fifo"'

# What root may write anyway, as a user who may not (nobody): a link to a
# read-only file, and a dangling link into a folder that user cannot write.
# Exit 1, the file and the link as they were, nothing made.
if setpriv --reuid=65534 --regid=65534 --clear-groups "$tool" --version >/dev/null 2>&1; then
  chmod 711 "$dir"
  mkdir "$dir/nobody" "$dir/locked"
  printf 'kept\r\n' > "$dir/nobody/read-only" && chmod 444 "$dir/nobody/read-only"
  ln -s read-only "$dir/nobody/to-read-only"
  ln -s ../locked/new.log "$dir/nobody/to-locked"
  chown -R 65534:65534 "$dir/nobody"
  while IFS='|' read -r name link message; do
    setpriv --reuid=65534 --regid=65534 --clear-groups "$tool" "$dir/good" --log "$dir/nobody/$link" 2>"$dir/err"; rc=$?
    check "as nobody, $name: exit 1, $message" '[ $rc = 1 ] && grep -q "cannot write $dir/nobody/$link: $message" "$dir/err"'
    check "as nobody, $name: nothing changed" '[ -L "$dir/nobody/$link" ] && [ "$(cat "$dir/nobody/read-only")" = $'"'"'kept\r'"'"' ] && [ -z "$(ls -A "$dir/locked")" ] && [ "$(ls -A "$dir/nobody" | tr "\n" " ")" = "read-only to-locked to-read-only " ]'
  done <<'CASES'
a link to a read-only file|to-read-only|Permission denied
a dangling link into a folder it cannot write|to-locked|Permission denied
CASES
else
  echo "SKIP: the cases as an unprivileged user (setpriv cannot run the tool as nobody)" >&2
fi

# The replay makes no file of its own but the output's new file, made
# beside it with a name no other user can have put a link on (O_EXCL).
if command -v strace >/dev/null; then
  (cd "$dir" && strace -f -qq -e trace=open,openat,creat -o "$dir/trace" "$tool" "$dir/good" --log "$dir/out.log" >/dev/null)
  written=$(grep -E 'O_WRONLY|O_RDWR|O_CREAT|creat\(' "$dir/trace" | grep -v -E "\"$dir/\.out\.log\.[A-Za-z0-9]{6}\", O_RDWR\|O_CREAT\|O_EXCL" || true)
  check "the trace shows the replay" 'grep -q "$dir/good" "$dir/trace"'
  check "opens no file for writing but its output's new file" '[ -z "$written" ]'
fi
# An output never replaces an input, however it is named, nor a page, JSON
# or CSV a log or profile (the output's name forgotten: --csv logs/*.LOG).
# Exit 2, the reason, nothing written: the inputs as they were, standard
# output empty, no file beside them.
mine=$dir/mine
make_mine() {
  rm -rf "$mine" && mkdir "$mine"
  cp "$src/tests/profiles/live/wine-98.LOG" "$mine/A.LOG"
  cp "$src/tests/profiles/live/wine-nt.LOG" "$mine/B.LOG"
  cp "$profile" "$mine/C.profile"
  ln "$mine/A.LOG" "$mine/hard"
  ln -s A.LOG "$mine/soft"
}
make_mine
(cd "$mine" && md5sum A.LOG B.LOG C.profile) > "$dir/mine.sums"
while IFS='|' read -r name args message; do
  make_mine
  out=$(cd "$mine" && eval "\"$tool\" $args" 2>"$dir/err"); rc=$?
  check "$name: exit 2, nothing on standard output" '[ $rc = 2 ] && [ -z "$out" ]'
  check "$name: $message" 'grep -qxF "vornak-report: $message: nothing written" "$dir/err"'
  check "$name: the inputs as they were, nothing beside them" '(cd "$mine" && md5sum -c --quiet "$dir/mine.sums" >/dev/null 2>&1) && [ "$(ls -A "$mine" | tr "\n" " ")" = "A.LOG B.LOG C.profile hard soft " ]'
done <<'CASES'
the output's name forgotten|--csv A.LOG B.LOG|--csv A.LOG would replace a VORNAK95 log
a profile as the JSON|B.LOG --json C.profile|--json C.profile would replace a VORNAK95 profile
another spelling|A.LOG --html ./A.LOG|--html ./A.LOG would replace the input A.LOG
a hard link|B.LOG hard --csv A.LOG|--csv A.LOG would replace the input hard
a symbolic link, --outline|A.LOG --outline --log soft|--log soft would replace the input A.LOG
the last of three outputs|A.LOG --html "$dir/x.html" --json - --csv soft|--csv soft would replace the input A.LOG
standard input and output the same file|/dev/stdin --log /dev/stdout < A.LOG >> A.LOG|--log /dev/stdout would replace the input /dev/stdin
CASES
# Not refused: a pipe is no input's file; the tool's own outputs, and a log
# written again with --log, are replaced as before.
"$tool" /dev/stdin --log /dev/stdout < "$mine/A.LOG" | cmp -s - "$mine/A.LOG"
check "standard input and output, two pipes: the log" '[ $? = 0 ]'
for option in "--csv $dir/again.csv" "--json $dir/again.json" "--html $dir/again.html" "--log $dir/again.LOG" "--outline --log $dir/again.txt"; do
  "$tool" "$mine/A.LOG" $option && "$tool" "$mine/B.LOG" $option; rc=$?
  check "$option written again: exit 0" '[ $rc = 0 ]'
done

# --html: one page of several profiles; a bad profile or more than eight
# refused with status 2 and no page; an output it cannot write, status 1.
"$tool" "$dir/good" "$dir/good" --html "$dir/page.html" 2>"$dir/err"; rc=$?
check "--html of two profiles exit 0" '[ $rc = 0 ] && grep -q "^<!DOCTYPE html>" "$dir/page.html"'
check "--html leaves the log alone" '"$tool" "$dir/good" | cmp -s - "$dir/log"'
printf 'VORNAK95-PROFILE 1\nversion = 12xz\n' > "$dir/bad"
"$tool" "$dir/good" "$dir/bad" --html "$dir/none.html" 2>"$dir/err"; rc=$?
check "--html with a bad profile: exit 2, its line, no page" '[ $rc = 2 ] && grep -q "$dir/bad:2: " "$dir/err" && [ ! -e "$dir/none.html" ]'
"$tool" "$dir/good" "$dir/good" "$dir/good" "$dir/good" "$dir/good" "$dir/good" "$dir/good" "$dir/good" \
  --html "$dir/eight.html" 2>"$dir/err"; rc=$?
check "--html of eight profiles: exit 0" '[ $rc = 0 ] && [ -s "$dir/eight.html" ]'
"$tool" "$dir/good" "$dir/good" "$dir/good" "$dir/good" "$dir/good" "$dir/good" "$dir/good" "$dir/good" "$dir/good" \
  --html "$dir/none.html" 2>"$dir/err"; rc=$?
check "--html of nine profiles: exit 2, no page" '[ $rc = 2 ] && grep -q "at most 8 machines on one page" "$dir/err" && [ ! -e "$dir/none.html" ]'
"$tool" "$dir/good" --html "$dir/page.html" --outline 2>/dev/null; rc=$?
check "--html with --outline is a usage error" '[ $rc = 2 ]'
"$tool" "$dir/good" "$dir/good" > "$dir/two.log"; rc=$?
check "two profiles: their logs one after the other" '[ $rc = 0 ] && cat "$dir/log" "$dir/log" | cmp -s - "$dir/two.log"'

# The page's language: --lang, else the first of LC_ALL, LC_MESSAGES and
# LANG that is set and not empty. Only the page and the site change with it.
page=$src/tests/profiles/html/k6-233-win95.profile
while IFS='|' read -r name settings lang expected; do
  env -u LC_ALL -u LC_MESSAGES -u LANG $settings "$tool" "$page" --html - ${lang:+--lang "$lang"} > "$dir/lang.html" 2>/dev/null
  check "language: $name" 'grep -q "^<html lang=\"$expected\">" "$dir/lang.html"'
done <<'CASES'
LANG Japanese|LANG=ja_JP.UTF-8||ja
LC_ALL over LANG|LC_ALL=C LANG=ja_JP.UTF-8||en
LC_MESSAGES over LANG|LC_MESSAGES=ja_JP.UTF-8 LANG=en_US.UTF-8||ja
LC_ALL over LC_MESSAGES|LC_ALL=ja LC_MESSAGES=C||ja
an empty LC_ALL is not set|LC_ALL= LANG=ja||ja
nothing set|||en
--lang over the locale|LANG=ja_JP.UTF-8|en|en
--lang ja|LC_ALL=C|ja|ja
CASES
for args in "--json -" "--csv -" "--outline" ""; do
  check "language: $args the same in Japanese" 'cmp -s <("$tool" "$page" $args) <(LC_ALL=ja_JP.UTF-8 "$tool" "$page" --lang ja $args)'
done
"$tool" "$page" --lang fr --html "$dir/fr.html" 2>"$dir/err"; rc=$?
check "--lang fr: exit 2, said why, the usage, no page" \
  '[ $rc = 2 ] && grep -qx "vornak-report: --lang needs en or ja, not fr" "$dir/err" && grep -q "^usage:" "$dir/err" && [ ! -e "$dir/fr.html" ]'
check "--help names --lang" '"$tool" --help | grep -q -- "--lang en|ja"'

# A stranger's bytes in messages: file names and a truncated log's last line
# that would set the terminal's title and clear it reach standard error as
# escapes, one line a message; the outputs keep the bytes as they are.
# no_controls FILE: nothing a terminal obeys but the line ends (C0, DEL, C1
# as UTF-8, bytes no UTF-8).
no_controls() {
  python3 -c 'import re, sys; t = open(sys.argv[1], "rb").read().decode("utf-8"); sys.exit(bool(re.search("[\x00-\x08\x0b-\x1f\x7f-\x9f]", t)))' "$1" 2>/dev/null
}
hostile=$'\e]0;owned\a\e[2J'
shown='\x1B]0;owned\x07\x1B[2J'
mkdir "$dir/hostile"
hostile_line="Supports $hostile"$'\x7f'
{ head -n 27 "$src/tests/profiles/live/wine-98.LOG"; printf '%s\r\ncut off' "$hostile_line"; } > "$dir/hostile/$hostile.LOG"
"$tool" "$dir/hostile/$hostile.LOG" --log "$dir/hostile.log" 2>"$dir/err"; rc=$?
check "a hostile log's note: exit 0, one line, no control" '[ $rc = 0 ] && [ $(wc -l < "$dir/err") = 1 ] && no_controls "$dir/err"'
check "a hostile log's note: its name and last line as escapes" \
  'grep -qxF "vornak-report: note: $dir/hostile/$shown.LOG is truncated: its last line is line 28: Supports $shown\x7F" "$dir/err"'
check "a hostile log's --log: the run's bytes" 'head -c -7 "$dir/hostile/$hostile.LOG" | cmp -s - "$dir/hostile.log"'
"$tool" "$dir/hostile/$hostile.LOG" --json "$dir/hostile.json" --csv "$dir/hostile.csv" 2>"$dir/err"; rc=$?
check "a hostile log's JSON and CSV: the name and line as they are" \
  '[ $rc = 0 ] && [ ! -s "$dir/err" ] && grep -qF "$hostile_line," "$dir/hostile.csv" && python3 -c "import json, sys; s = json.load(open(sys.argv[1]))[\"machines\"][0][\"source\"]; sys.exit(s[\"file\"] != sys.argv[2] or s[\"last_line\"][\"text\"] != sys.argv[3])" "$dir/hostile.json" "$dir/hostile/$hostile.LOG" "$hostile_line"'
printf 'VORNAK for Windows95 [x]\r\nOS\x00Version\r\n' > "$dir/hostile/bad$hostile.LOG"
"$tool" --site "$dir/site$hostile" "$dir/hostile" 2>"$dir/err"; rc=$?
check "a site's messages: what was skipped and the folder as escapes, one line each, no control" \
  '[ $rc = 0 ] && [ $(wc -l < "$dir/err") = 2 ] && no_controls "$dir/err" && grep -qF "vornak-report: skipped $dir/hostile/bad$shown.LOG:2: a NUL byte" "$dir/err" && grep -qxF "vornak-report: $dir/site$shown: 1 machines from 1 files; 1 files could not be read" "$dir/err"'
# NAME|SHOWN: a missing input's message, one line, exit 2.
while IFS='|' read -r name shown_name; do
  name=$(printf '%b' "$name")
  "$tool" "$dir/none-$name" 2>"$dir/err"; rc=$?
  check "a missing $shown_name: exit 2, one line, its name as escapes" \
    '[ $rc = 2 ] && [ $(wc -l < "$dir/err") = 1 ] && no_controls "$dir/err" && grep -qF "vornak-report: $dir/none-$shown_name: cannot open the file" "$dir/err"'
done <<'NAMES'
\x1b]0;owned\x07\x1b[2J|\x1B]0;owned\x07\x1B[2J
a\nvornak-report: forged\r|a\x0Avornak-report: forged\x0D
c1 \xc2\x9b2J|c1 \xC2\x9B2J
lone csi \x9b2J|lone csi \x9B2J
letters é表|letters é表
NAMES
"$tool" "--x$hostile" 2>"$dir/err"; rc=$?
check "a hostile option: exit 2, its message as escapes, the usage after it" \
  '[ $rc = 2 ] && no_controls "$dir/err" && [ "$(head -n 1 "$dir/err")" = "vornak-report: unknown option --x$shown" ] && [ -z "$(sed -n 2p "$dir/err")" ] && sed -n 3p "$dir/err" | grep -q "^usage: vornak-report"'

[ $failures = 0 ] && echo "vornak-report: ok"
exit $failures
