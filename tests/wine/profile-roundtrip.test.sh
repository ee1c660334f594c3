#!/usr/bin/env bash
# Record a machine under Wine, replay it natively: the two logs are the same
# bytes.
source "$VORNAK_SOURCE/tests/wine/lib.sh"
replay="$VORNAK_NATIVE/vornak-report"
[ -x "$replay" ] || fail "no native vornak-report at $replay (run make native first)"
use_prefix default
make_scratch
copy_program "$SCRATCH"
cd "$SCRATCH"

wine VORNAK95.EXE /RECORD machine.profile /LOG || fail "record run: exit status $?"
[ -s machine.profile ] || fail "no profile written"
[ "$(head -n1 machine.profile)" = "VORNAK95-PROFILE 1" ] || fail "first line: $(head -n1 machine.profile)"
"$replay" machine.profile --log replayed.log || fail "replay: exit status $?"
cmp VORNAK95.LOG replayed.log || {
  diff <(tr -d '\r' < VORNAK95.LOG) <(tr -d '\r' < replayed.log) | head -20 >&2
  fail "the replayed log differs from the live one"
}

# /RECORD alone writes the profile and no log.
rm -f VORNAK95.LOG
wine VORNAK95.EXE /RECORD second.profile || fail "record without log"
[ -s second.profile ] && [ ! -e VORNAK95.LOG ] || fail "/RECORD alone: profile missing or log written"

# A profile that cannot be written is an error, not a silent success.
if wine VORNAK95.EXE /RECORD 'no\such\folder\x.profile' 2>/dev/null; then
  fail "an unwritable profile path reported success"
fi
echo "profile-roundtrip: ok ($(wc -l < machine.profile) answers)"
