#!/usr/bin/env bash
# The HTML page in a real browser: headless Chromium renders a two-machine
# page; its DOM keeps every section, chart and fold as written, each chart
# shows both machines, the browser logs no console message, and the page
# makes no network request. Two canary pages prove the request and console
# checks can fail: one loads an outside image, one tries the same under the
# page's own Content-Security-Policy, which must block it.
set -uo pipefail
tool=$1
src=$(cd "$(dirname "$0")/../.." && pwd)
browser=$src/tools/chromium-headless
check=$src/tests/vornak-report/html_page_check.py
dir=$(mktemp -d); trap 'rm -rf "$dir"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

command -v chromium >/dev/null || { echo "FAIL: chromium is not installed (tools/bootstrap installs it)" >&2; exit 1; }

# render PAGE NAME [OPTION...]: the DOM on NAME.dom, the net log on NAME.json,
# the console on NAME.console.
render() {
  local page=$1 name=$2
  shift 2
  "$browser" --enable-logging=stderr --v=0 --log-net-log="$dir/$name.json" "$@" --dump-dom \
    "file://$page" > "$dir/$name.dom" 2> "$dir/$name.err"
  grep -a 'CONSOLE' "$dir/$name.err" > "$dir/$name.console" || true
}

# The K6 with one more font, whose name is markup: a log is a stranger's
# input, and the page must show it as text (html_page_check.py HOSTILE).
sed -e 's/^fonts = 00000002$/fonts = 00000003/' \
  -e '/^font = "Regular" "Arial"$/a font = "Regular" "<img src=\\22http://127.0.0.1:9/escape.png\\22 alt=x> \& \\22q\\22 '"'"'a'"'"' <i>it</i>"' \
  "$src/tests/profiles/html/k6-233-win95.profile" > "$dir/k6-233-win95.profile"
grep -q 'escape.png' "$dir/k6-233-win95.profile" || fail "the font named with markup was not added"
"$tool" "$src/tests/profiles/html/p3-500-win98.profile" "$dir/k6-233-win95.profile" \
  --html "$dir/two.html" || fail "vornak-report --html exit $?"

render "$dir/two.html" two
python3 "$check" dom "$dir/two.html" "$dir/two.dom" 2 || fail "rendered DOM"
requests=$(python3 "$check" requests "$dir/two.json") || fail "the page requested: $requests"
[ -s "$dir/two.console" ] && fail "console messages: $(cat "$dir/two.console")"

"$browser" --run-all-compositor-stages-before-draw --window-size=1280,2000 --screenshot="$dir/two.png" "file://$dir/two.html" >/dev/null 2>&1
size=$(python3 -c 'import struct,sys; d=open(sys.argv[1],"rb").read(24); print("%dx%d" % struct.unpack(">II", d[16:24]) if d[:8]==b"\x89PNG\r\n\x1a\n" else "none")' "$dir/two.png" 2>/dev/null)
[ "$size" = 1280x2000 ] || fail "screenshot: $size"

# Canary without the policy: the outside image must show up as a request.
canary='<img src="http://127.0.0.1:9/canary.png" alt="">'
sed -e '/Content-Security-Policy/d' -e "s|<body>|<body>$canary|" "$dir/two.html" > "$dir/open.html"
render "$dir/open.html" open
seen=$(python3 "$check" requests "$dir/open.json")
grep -q 'canary.png' <<<"$seen" || fail "a request of the page went unseen"
# Canary under the page's policy: blocked, so no request, and the browser says why.
sed -e "s|<body>|<body>$canary|" "$dir/two.html" > "$dir/csp.html"
render "$dir/csp.html" csp
requests=$(python3 "$check" requests "$dir/csp.json") || fail "the policy let through: $requests"
grep -q 'Content Security Policy' "$dir/csp.console" || fail "no console message for the blocked image"

[ $failures = 0 ] && echo "html-browser: ok"
exit $failures
