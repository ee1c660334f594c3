#!/usr/bin/env bash
# The release packages as a user gets them: tools/dist (what `make dist` runs)
# packs this build; the program's zip holds exactly the five files under 8.3
# names, the binaries within their size budgets and passing the import and
# kernel checks, README.TXT as Notepad text; the companion's zip its three
# files the same way, with the JSON Schema. Unpacked into a fresh folder of a
# fresh Wine prefix, once as Windows 98 and once as Wine's default version,
# VORNAK95.EXE /LOG exits 0 with a complete log, and VREPORT.EXE --json of a
# log prints what the native vornak-report prints.
source "$VORNAK_SOURCE/tests/wine/lib.sh"
src=$VORNAK_SOURCE
wine_root=${VORNAK_WINE:-$VORNAK_BUILD/wine}
mkdir -p "$wine_root"
work=$(mktemp -d "$wine_root/package.XXXXXX")
win98= default=
cleanup() {
  for job in $win98 $default; do kill "$job" 2>/dev/null || true; done
  wait 2>/dev/null || true
  for p in "$work"/prefix-*; do [ -d "$p" ] && { WINEPREFIX=$p wineserver -k 2>/dev/null || true; }; done
  rm -rf "$work"
}
trap cleanup EXIT

# Both fresh prefixes at once: creating one is most of this test's time.
"$src/tools/wine-prefix" "$work/prefix-win98" win98 headless & win98=$!
"$src/tools/wine-prefix" "$work/prefix-default" headless & default=$!

major=$(sed -n 's/^#define VORNAK_VERSION_MAJOR \([0-9]*\)$/\1/p' "$src/res/version.h")
minor=$(sed -n 's/^#define VORNAK_VERSION_MINOR \([0-9]*\)$/\1/p' "$src/res/version.h")
version=$(printf '%d.%02d' "$major" "$minor")
zips=$("$src/tools/dist" "$VORNAK_BIN" "$work/dist") || fail "tools/dist failed"
zip=$(sed -n 1p <<<"$zips") companion=$(sed -n 2p <<<"$zips")
[ "$(basename "$companion")" = "VREPORT-$version.zip" ] || fail "companion named $(basename "$companion")"
names=$(unzip -Z1 "$companion" | LC_ALL=C sort | paste -sd' ')
[ "$names" = "README.TXT SCHEMA.JSN VREPORT.EXE" ] || fail "files in the companion's package: $names"
[ "$(basename "$zip")" = "VORNAK95-$version.zip" ] || fail "package named $(basename "$zip"), expected VORNAK95-$version.zip"

names=$(unzip -Z1 "$zip" | LC_ALL=C sort | paste -sd' ')
[ "$names" = "Harlix.dll NUVASH32.dll README.TXT VORNAK95.EXE vornak95.htm" ] || fail "files in the package: $names"
for n in $names; do
  [[ $n =~ ^[A-Za-z0-9_-]{1,8}(\.[A-Za-z0-9_-]{1,3})?$ ]] || fail "not an 8.3 name: $n"
done

files=$work/files
mkdir "$files"
unzip -q "$zip" -d "$files"

# Size budgets (README.md gives the figures).
sizes=
for budget in VORNAK95.EXE:460800 Harlix.dll:16384 NUVASH32.dll:16384; do
  f=${budget%%:*} max=${budget#*:}
  size=$(stat -c %s "$files/$f")
  [ "$size" -le "$max" ] || fail "$f is $size bytes, over its budget of $max"
  sizes+=" $f $size"
done
for f in VORNAK95.EXE Harlix.dll NUVASH32.dll; do
  i686-w64-mingw32-objdump -h "$files/$f" | grep -q '\.debug' && fail "$f is not stripped"
done
"$src/tools/check-imports" "$files/VORNAK95.EXE" "$files/Harlix.dll" "$files/NUVASH32.dll" >/dev/null ||
  fail "check-imports: $("$src/tools/check-imports" "$files"/*.EXE "$files"/*.dll 2>&1 | head -5)"
"$src/tools/check-kernels" "$files/Harlix.dll" >/dev/null ||
  fail "check-kernels: $("$src/tools/check-kernels" "$files/Harlix.dll" 2>&1 | head -5)"
cmp -s "$files/vornak95.htm" "$src/res/vornak95.htm" || fail "vornak95.htm is not the start page"

# README.TXT: CR LF after every line and nowhere else, printable ASCII only,
# at most 78 characters a line, the version filled in.
check_readme() {
  local readme=$1 lf cr crlf bad long
  lf=$(tr -cd '\n' < "$readme" | wc -c)
  cr=$(tr -cd '\r' < "$readme" | wc -c)
  crlf=$(grep -c $'\r$' "$readme")
  [ "$lf" -gt 0 ] && [ "$cr" = "$lf" ] && [ "$crlf" = "$lf" ] && [ "$(tail -c 2 "$readme" | od -An -c | tr -d ' ')" = '\r\n' ] ||
    fail "README.TXT: $lf LF, $cr CR, $crlf lines ending in CR LF"
  bad=$(LC_ALL=C grep -n $'[^ -~\r]' "$readme" | head -3 || true)
  [ -z "$bad" ] || fail "README.TXT: bytes Notepad may not show: $bad"
  long=$(tr -d '\r' < "$readme" | awk 'length > 78 { print NR ": " length }' | head -3)
  [ -z "$long" ] || fail "README.TXT: lines over 78 characters: $long"
  grep -q "^$2 $version"$'\r$' "$readme" || fail "README.TXT does not start with the version $version"
  grep -q '@VERSION@' "$readme" && fail "README.TXT: version not filled in"
  return 0
}
check_readme "$files/README.TXT" VORNAK95

# The companion: 8.3 names, stripped, Windows 95's imports, its schema.
tool=$work/tool
mkdir "$tool"
unzip -q "$companion" -d "$tool"
for n in $(unzip -Z1 "$companion"); do
  [[ $n =~ ^[A-Za-z0-9_-]{1,8}(\.[A-Za-z0-9_-]{1,3})?$ ]] || fail "not an 8.3 name: $n"
done
size=$(stat -c %s "$tool/VREPORT.EXE")
[ "$size" -le 655360 ] || fail "VREPORT.EXE is $size bytes, over its budget of 640 KB"
sizes+=" VREPORT.EXE $size"
i686-w64-mingw32-objdump -h "$tool/VREPORT.EXE" | grep -q '\.debug' && fail "VREPORT.EXE is not stripped"
"$src/tools/check-imports" "$tool/VREPORT.EXE" >/dev/null ||
  fail "check-imports: $("$src/tools/check-imports" "$tool/VREPORT.EXE" 2>&1 | head -5)"
cmp -s "$tool/SCHEMA.JSN" "$src/docs/vornak-report.schema.json" || fail "SCHEMA.JSN is not docs/vornak-report.schema.json"
check_readme "$tool/README.TXT" VREPORT
native=$VORNAK_NATIVE/vornak-report
[ -x "$native" ] || fail "no native vornak-report at $native"
(cd "$src/tests/profiles/live" && "$native" wine-98.LOG --json -) > "$work/expected.json" || fail "native --json"

wait "$win98" && wait "$default" || fail "cannot create the Wine prefixes"
for flavour in win98 default; do
  export WINEPREFIX=$work/prefix-$flavour
  dir=$WINEPREFIX/drive_c/VORNAK95
  mkdir "$dir"
  unzip -q "$zip" -d "$dir"
  (cd "$dir" && timeout 600 wine VORNAK95.EXE /LOG) || fail "$flavour: exit status $?"
  [ -f "$dir/VORNAK95.LOG" ] || fail "$flavour: no VORNAK95.LOG"
  mapfile -t lines < <(tr -d '\r' < "$dir/VORNAK95.LOG")
  case $flavour in
    win98) root="VORNAK for Windows95 [Windows 95/98/98SE [chicago]  mode]" ;;
    default) root="VORNAK for Windows95 [Windows NT/2000 mode]" ;;
  esac
  [ "${lines[0]}" = "$root" ] || fail "$flavour: root line: ${lines[0]}"
  printf '%s\n' "${lines[@]}" | grep -qx 'Drive Info' || fail "$flavour: the log stops before Drive Info (${#lines[@]} lines)"
  printf '%s\n' "${lines[@]}" | sed -n '/^Drive Info$/,$p' | grep -qx -- '--- C ---' ||
    fail "$flavour: no drive C: after Drive Info"
  cp "$tool/VREPORT.EXE" "$src/tests/profiles/live/wine-98.LOG" "$dir"/
  (cd "$dir" && timeout 300 wine VREPORT.EXE wine-98.LOG --json -) > "$work/got.json" ||
    fail "$flavour: VREPORT.EXE: exit status $?"
  cmp -s "$work/expected.json" "$work/got.json" || fail "$flavour: VREPORT.EXE --json differs from the native tool's"
  wineserver -k 2>/dev/null || true
done
echo "package: ok ($(basename "$zip"):$sizes)"
