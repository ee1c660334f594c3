#!/usr/bin/env bash
# vornak-report --site as a user calls it: folders searched by content,
# duplicates merged, strangers' file names escaped, every link inside the
# site; an old site replaced only by a complete new one, and never a folder
# that is no site.
set -uo pipefail
tool=$(realpath "$1")
src=$(cd "$(dirname "$0")/../.." && pwd)
dir=$(mktemp -d); trap 'rm -rf "$dir"' EXIT
failures=0
check() { if ! eval "$2"; then echo "FAIL: $1" >&2; failures=$((failures + 1)); fi; }
sum() { (cd "$1" && find . -type f -exec md5sum {} + | sort | md5sum); }

in=$dir/in
mkdir -p "$in/club/deeper" "$in/other"
cp "$src"/tests/profiles/html/*.profile "$in/club/"
cp "$src"/tests/profiles/cpu/amd-k6.profile "$src"/tests/profiles/bench/*.profile "$in/club/deeper/"
cp "$src"/tests/profiles/live/wine-98.LOG "$in/other/"
hostile=$'-k6 "q" <b>&amp; \xc3\xa9\xff.profile'
cp "$src"/tests/profiles/html/k6-233-win95.profile "$in/other/$hostile"  # a duplicate
printf 'a note\n' > "$in/other/notes.txt"
printf 'VORNAK95-PROFILE 1\nvolts = 1\n' > "$in/other/broken.profile"
# 3 + 3 + 1 machines, the copy merged; 2 other files.
machines=7

(cd "$in/other" && "$tool" --site "$dir/out" "$in/club" -- "$hostile" wine-98.LOG notes.txt broken.profile) 2>"$dir/err"; rc=$?
check "site: exit 0" '[ $rc = 0 ]'
check "site: counts on standard error" 'grep -q "out: 7 machines from 8 files; 1 runs found again, merged; 1 other files skipped; 1 files could not be read" "$dir/err"'
check "site: the file that does not read is named" 'grep -q "skipped broken.profile:2: " "$dir/err"'
check "site: the marker" '[ -f "$dir/out/.vornak-site" ]'
check "site: one page per machine" '[ "$(ls "$dir/out/m" | wc -l)" = $machines ]'
check "site: one row per machine" '[ "$(grep -c "^<tr><td><a href=\"m/" "$dir/out/index.html")" = $machines ]'
check "site: nothing but the site beside the inputs" '[ "$(ls -A "$dir")" = "$(printf "err\nin\nout")" ]'
escaped=$'k6-233-win95.profile<br>-k6 &quot;q&quot; &lt;b&gt;&amp;amp; \xc3\xa9\xef\xbf\xbd.profile</td>'
check "duplicate: both names on one row, escaped" 'grep -qF "$escaped" "$dir/out/index.html"'
check "escaping: no raw name anywhere" '! grep -rqF "<b>&amp;" "$dir/out"'

# Every link and image of every page is a file of the site; nothing outside.
/usr/bin/env python3 - "$dir/out" > "$dir/links" <<'PY'
import html.parser, os, sys, urllib.parse
root = os.path.realpath(sys.argv[1])
class Links(html.parser.HTMLParser):
    def __init__(self, page):
        super().__init__(); self.page = page
    def handle_starttag(self, tag, attrs):
        for k, v in attrs:
            if k in ('href', 'src') and v is not None:
                target = os.path.realpath(os.path.join(os.path.dirname(self.page), urllib.parse.unquote(v)))
                if not target.startswith(root + os.sep) or not os.path.isfile(target):
                    print('bad link', self.page, v)
n = 0
for d, _, names in os.walk(root):
    for name in names:
        if name.endswith('.html'):
            p = os.path.join(d, name); Links(p).feed(open(p, encoding='utf-8').read()); n += 1
print('pages', n)
PY
check "links: all inside the site and there" '[ "$(cat "$dir/links")" = "pages $((machines + 1))" ]'

# The policy allows the index's script by its hash: the hash of its text.
script_hash_ok() {
  /usr/bin/env python3 - "$1" <<"PY"
import base64, hashlib, re, sys
page = open(sys.argv[1], encoding="utf-8").read()
script = re.search(r"<script>(.*?)</script>", page, re.S).group(1)
allowed = re.search(r"script-src .sha256-([^ ]+).;", page).group(1)
sys.exit(base64.b64encode(hashlib.sha256(script.encode()).digest()).decode() != allowed)
PY
}
check "script: its hash in the policy" 'script_hash_ok "$dir/out/index.html"'
# In Japanese the script writes its count in Japanese: its own hash.
"$tool" --site "$dir/ja" --lang ja "$in/club" 2>/dev/null
check "Japanese: the script's hash in the policy" 'script_hash_ok "$dir/ja/index.html" && ! cmp -s <(grep -o "sha256-[^'"'"']*" "$dir/ja/index.html") <(grep -o "sha256-[^'"'"']*" "$dir/out/index.html")'
check "Japanese: every page in Japanese" '[ "$(grep -L "^<html lang=\"ja\">" "$dir"/ja/index.html "$dir"/ja/m/*.html)" = "" ]'
rm -rf "$dir/ja"

old=$(sum "$dir/out")
leftover() { ls -A "$dir" | grep -q '^\.out\.'; }
while IFS='|' read -r name status command message; do
  (eval "$command") 2>"$dir/err"; rc=$?
  check "$name: exit $status" '[ $rc = $status ]'
  check "$name: $message" 'grep -q -- "$message" "$dir/err"'
  check "$name: the old site whole" '[ "$(sum "$dir/out")" = "$old" ]'
  check "$name: no half site left" '! leftover'
done <<'CASES'
missing input|2|"$tool" --site "$dir/out" "$in/club" "$in/nothing"|nothing: No such file or directory
no machine at all|2|"$tool" --site "$dir/out" "$in/other/notes.txt"|no log or profile found
disk full half way|1|trap '' XFSZ; ulimit -f 24; exec "$tool" --site "$dir/out" "$in"|cannot write
CASES

mkdir "$dir/home"; printf 'dear\n' > "$dir/home/letter.txt"
"$tool" --site "$dir/home" "$in" 2>"$dir/err"; rc=$?
check "a folder of the user's: exit 2" '[ $rc = 2 ]'
check "a folder of the user's: said why" 'grep -q "is no site vornak-report made" "$dir/err"'
check "a folder of the user's: untouched" '[ "$(ls -A "$dir/home")" = letter.txt ]'

# A new site over the old one: the old pages go. A file named twice (in its
# folder and alone) is no second finding.
"$tool" --site "$dir/out" "$in/club/deeper" "$in/club/deeper/amd-k6.profile" 2>"$dir/err"; rc=$?
check "replaced: exit 0" '[ $rc = 0 ]'
check "replaced: only the new machines" '[ "$(ls "$dir/out/m" | wc -l)" = 3 ]'
check "replaced: a file named twice is no duplicate" 'grep -q "3 machines from 3 files$" "$dir/err"'
check "replaced: no old folder left" '! leftover'

one=$in/club/deeper/amd-k6.profile
# OUTDIR is looked at when the build starts and again at the swap: what the
# user put there meanwhile stays, unless it is an empty folder or a site.
# The build reads a pipe first, so it waits there until that is done.
export dir one
while IFS='|' read -r name make status after; do
  mkfifo "$dir/gate"
  "$tool" --site "$dir/late" "$dir/gate" "$one" 2>"$dir/err" & pid=$!
  # The pipe opens once the tool reads it: past its first look at OUTDIR.
  timeout 30 bash -c 'exec 3>"$dir/gate"; '"$make"'; cat "$one" >&3'
  wait $pid; rc=$?
  check "$name: exit $status" '[ $rc = $status ]'
  check "$name: $after" "$after"
  check "$name: nothing left beside it" '! ls -A "$dir" | grep -q "^\.late\."'
  [ $status = 2 ] && check "$name: said why" 'grep -q "late changed while the site was built and is no site" "$dir/err"'
  rm -rf "$dir/gate" "$dir/late"
done <<'CASES'
a folder of the user's|mkdir "$dir/late"; echo thesis > "$dir/late/precious.txt"|2|[ "$(cat "$dir/late/precious.txt")" = thesis ]
a file|echo thesis > "$dir/late"|2|[ "$(cat "$dir/late")" = thesis ]
a link to a folder|ln -s "$dir/in" "$dir/late"|2|[ "$(readlink "$dir/late")" = "$dir/in" ] && [ -d "$dir/in/club" ]
an empty folder|mkdir "$dir/late"|0|[ -f "$dir/late/.vornak-site" ]
CASES

# The site is read by others (a web server, a copy made with rsync -a): its
# folder gets the mode mkdir would give it (the old site's: SiteFiles). Read
# back as an unprivileged user, since the suite runs as root, who reads
# anything.
(umask 022; "$tool" --site "$dir/shared" "$one") 2>/dev/null
check "mode: a new site as mkdir makes a folder" '[ "$(stat -c %a "$dir/shared")" = 755 ]'
if [ "$(id -u)" = 0 ]; then
  chmod 711 "$dir"
  check "mode: every page readable by another user" \
    'setpriv --reuid=65534 --regid=65534 --clear-groups find "$dir/shared" -type f -exec cat {} + > /dev/null'
  chmod 700 "$dir"
fi
rm -rf "$dir/shared"

# Past the size cap (sparse files: nothing spent): a log, which grows by
# appending runs, or a profile is named and counted as unreadable; a large
# file of another kind is skipped without a word.
cap=$((64 << 20))
mkdir "$dir/big"
printf 'VORNAK for Windows95 [' > "$dir/big/grown.LOG"
: > "$dir/big/disk.img"
truncate -s $((cap + 1)) "$dir/big/grown.LOG" "$dir/big/disk.img"
"$tool" --site "$dir/bigsite" "$dir/big" "$in/club/deeper/amd-k6.profile" 2>"$dir/err"; rc=$?
check "too large: exit 0" '[ $rc = 0 ]'
check "too large: the log named" 'grep -q "skipped $dir/big/grown.LOG: expected a log or profile of at most 64 MB" "$dir/err"'
check "too large: another kind not named" '! grep -q "img" "$dir/err"'
check "too large: counted" 'grep -q "1 machines from 1 files; 1 other files skipped; 1 files could not be read$" "$dir/err"'
rm -rf "$dir/big" "$dir/bigsite"

# An input in OUTDIR would go with the old site: refused however it is
# named or reached, exit 2, nothing written (the old site whole, no work
# folder left, standard output empty).
"$tool" --site "$dir/S" "$in/club/deeper/amd-k6.profile" 2>/dev/null
mkdir "$dir/S/logs"
cp "$src/tests/profiles/live/wine-98.LOG" "$dir/S/logs/mine.LOG"
ln -s "$dir/S/logs" "$dir/to-logs"
mkdir "$dir/linked"
ln -s ../S/logs/mine.LOG "$dir/linked/mine.LOG"
old=$(sum "$dir/S")
while IFS='|' read -r name input named; do
  out=$("$tool" --site "$dir/S" "$in/club" "$input" 2>"$dir/err"); rc=$?
  check "$name: exit 2, nothing on standard output" '[ $rc = 2 ] && [ -z "$out" ]'
  check "$name: the input named" 'grep -qxF "vornak-report: --site $dir/S would replace the input ${named:-$input}: nothing written" "$dir/err"'
  check "$name: the old site whole, nothing beside it" '[ "$(sum "$dir/S")" = "$old" ] && ! ls -A "$dir" | grep -q "^\.S\."'
done <<CASES
a folder in it|$dir/S/logs
OUTDIR itself|$dir/S
a file in it|$dir/S/logs/mine.LOG
another spelling|$dir/in/../S/logs/.
a link to a folder in it|$dir/to-logs
a link in a folder searched|$dir/linked|$dir/linked/mine.LOG
CASES

# OUTDIR in a folder searched is left out, and so are the work folders a
# stopped run left beside it: their pages are no inputs, and no files
# skipped. A folder that only starts like one is searched.
mkdir "$dir/col"
cp "$src/tests/profiles/live/wine-98.LOG" "$dir/col/"
"$tool" --site "$dir/col/site" "$dir/col/wine-98.LOG" 2>/dev/null
for work in .site.new-a1b2c3 .site.old-d4e5f6 .site.newer; do
  mkdir "$dir/col/$work" && cp "$dir/col/site/index.html" "$dir/col/$work/"
done
"$tool" --site "$dir/col/site" "$dir/col" 2>"$dir/err"; rc=$?
check "OUTDIR in a folder searched: exit 0, only the other files counted" '[ $rc = 0 ] && grep -qx "vornak-report: $dir/col/site: 1 machines from 1 files; 1 other files skipped" "$dir/err"'
# A neighbour whose name starts with OUTDIR's is no part of it.
mkdir "$dir/S2"
cp "$src/tests/profiles/live/wine-nt.LOG" "$dir/S2/"
"$tool" --site "$dir/S" "$dir/S2" 2>"$dir/err"; rc=$?
check "a neighbour named S2: exit 0, the site made" '[ $rc = 0 ] && grep -q "S: 1 machines from 1 files$" "$dir/err"'

# One run found as a log, as the profile that made it, as a copy converted to
# LF, and after a cut run it was appended to: one machine. Runs cut before
# their first whole line are never one another's duplicates.
mkdir "$dir/same"
cp "$src"/tests/profiles/live/wine-98.LOG "$src"/tests/profiles/live/wine-98.profile "$dir/same/"
sed 's/\r$//' "$dir/same/wine-98.LOG" > "$dir/same/converted.LOG"
{ head -c 9000 "$src"/tests/profiles/live/wine-nt.LOG; cat "$dir/same/wine-98.LOG"; } > "$dir/same/glued.LOG"
printf 'VORNAK for Windows95 [Win' > "$dir/same/cut1.LOG"
printf 'VORNAK for Windows95 [Windows NT' > "$dir/same/cut2.LOG"
"$tool" --site "$dir/same-site" "$dir/same" 2>"$dir/err"; rc=$?
check "same run: exit 0" '[ $rc = 0 ]'
check "same run: one machine, empty runs apart" 'grep -q "same-site: 4 machines from 6 files; 3 runs found again, merged$" "$dir/err"'
check "same run: every file on its row" 'grep -qE "/converted\.LOG<br>[^<]*/glued\.LOG \(run 2 of 2\)<br>[^<]*/wine-98\.LOG<br>[^<]*/wine-98\.profile</td>" "$dir/same-site/index.html"'

[ $failures = 0 ] && echo "site.test.sh: all passed"
exit $((failures > 0))
