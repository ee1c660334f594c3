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
check "script: its hash in the policy" '/usr/bin/env python3 - "$dir/out/index.html" <<"PY"
import base64, hashlib, re, sys
page = open(sys.argv[1], encoding="utf-8").read()
script = re.search(r"<script>(.*?)</script>", page, re.S).group(1)
allowed = re.search(r"script-src .sha256-([^ ]+).;", page).group(1)
sys.exit(base64.b64encode(hashlib.sha256(script.encode()).digest()).decode() != allowed)
PY'

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
