#!/usr/bin/env bash
# Hostile live inputs under Wine: a win.ini with a 1 MB line, NUL bytes,
# Shift-JIS text, 20,000 lines and CR-only line ends, no system.ini at all,
# and VORNAK95.LOG taken by a directory. Nothing crashes, every line is what
# the reading rules give (255-character pieces, text cut at a NUL, pieces
# below two characters skipped), the run reaches "Drive Info", and a log that
# cannot be written is an exit status of 1 with the file and the reason.
source "$VORNAK_SOURCE/tests/wine/lib.sh"
use_prefix hostile
make_scratch
copy_program "$SCRATCH"
cd "$SCRATCH"

windows=$WINEPREFIX/drive_c/windows
cp "$windows/win.ini" "$SCRATCH/win.ini.saved"
[ -f "$windows/system.ini" ] && cp "$windows/system.ini" "$SCRATCH/system.ini.saved"
restore() {
  cp "$SCRATCH/win.ini.saved" "$windows/win.ini"
  [ -f "$SCRATCH/system.ini.saved" ] && cp "$SCRATCH/system.ini.saved" "$windows/system.ini"
  rm -rf "$SCRATCH"
}
trap restore EXIT
rm -f "$windows/system.ini"

# The win.ini, and beside it the WIN.INI lines the log must hold (each with
# the LF that text mode leaves, as the program logs them).
python3 - "$windows/win.ini" "$SCRATCH/expected" <<'PY'
import sys
ini, want = bytearray(), []
def line(text, logged=None):
    ini.extend(text + b"\r\n")
    if logged is not False:
        want.append(logged if logged is not None else text + b"\n")
line(b"[many]")
for i in range(20000):
    line(b"key%05d=value %d" % (i, i))
# 1 MB in one line: numbered so that no two 255-character pieces are equal.
big = b"big=" + b"".join(b"%07d " % i for i in range(131072))
ini.extend(big + b"\r\n")
body = big + b"\n"
want.extend(body[i:i + 255] for i in range(0, len(body), 255))
line(b"[nul]")
line(b"ab\0cd", b"ab")           # the text ends at its NUL
line(b"\0xyz", False)            # an empty text: skipped
line(b"[\x95\x5c]")               # Shift-JIS: kept byte for byte
line(b"name=\x83\x5c\x83\x74\x83\x67 \x82\xa0")
# CR-only line ends: one piece up to the end of the file, a header.
ini.extend(b"[cr]\rk=1\rk=2\r")
want.append(b"[cr]\rk=1\rk=2\r")
open(sys.argv[1], "wb").write(ini)
open(sys.argv[2], "wb").write(b"".join(w + b"\r\n" for w in want))
PY

wine VORNAK95.EXE /LOG 2>"$SCRATCH/err" || fail "exit status $? with hostile inputs: $(cat "$SCRATCH/err")"
grep -q 'VORNAK95:' "$SCRATCH/err" && fail "a message for a complete run: $(cat "$SCRATCH/err")"
python3 - VORNAK95.LOG "$SCRATCH/expected" <<'PY' || fail "WIN.INI lines differ from the reading rules"
import sys
log, want = open(sys.argv[1], "rb").read(), open(sys.argv[2], "rb").read()
start = log.index(b"\r\nWIN.INI\r\n") + len(b"\r\nWIN.INI\r\n")
end = log.index(b"SYSTEM.INI\r\nDrive Info\r\n", start)
got = log[start:end]
if got != want:
    g, w = got.split(b"\r\n"), want.split(b"\r\n")
    i = next((k for k in range(min(len(g), len(w))) if g[k] != w[k]), min(len(g), len(w)))
    print("first difference at WIN.INI line %d: got %r, want %r" % (i, g[i][:80] if i < len(g) else None, w[i][:80] if i < len(w) else None))
    sys.exit(1)
PY
# No system.ini: its header stands alone, straight before Drive Info.
tr -d '\r' < VORNAK95.LOG | grep -A1 -x 'SYSTEM.INI' | tail -1 | grep -qx 'Drive Info' ||
  fail "lines under SYSTEM.INI without a system.ini"
# The drive scan ran: its folders' lines, which ask no volume. Which volumes
# answer is Wine's affair (once in some twenty runs here its C: did not).
tr -d '\r' < VORNAK95.LOG | grep -A1 -x 'Drive Info' | grep -q '^System  Dir : ' ||
  fail "the run did not reach the drives: $(tr -d '\r' < VORNAK95.LOG | grep -A8 -x 'Drive Info')"

# VORNAK95.LOG a directory: the run goes to its end, then says why it wrote
# nothing and exits 1; the directory is left as it was.
rm -f VORNAK95.LOG && mkdir VORNAK95.LOG
status=0
wine VORNAK95.EXE /LOG /RECORD run.profile 2>"$SCRATCH/err" || status=$?
[ $status = 1 ] || fail "exit status $status with VORNAK95.LOG a directory"
grep -qx 'VORNAK95: VORNAK95.LOG: cannot create the log: .*' < <(tr -d '\r' < "$SCRATCH/err") ||
  fail "no message naming the log: $(cat "$SCRATCH/err")"
[ -d VORNAK95.LOG ] && [ -z "$(ls -A VORNAK95.LOG)" ] || fail "the directory was touched"
grep -q '^diskfree "Z:\\5c"' run.profile || fail "the run stopped before the drive scan"
echo "hostile-inputs: ok"
