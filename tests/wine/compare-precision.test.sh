#!/usr/bin/env bash
# The compare lines under Wine give the digits a native replay gives.
source "$VORNAK_SOURCE/tests/wine/lib.sh"
use_prefix default
wine "$VORNAK_BUILD/tests/compare_precision_test.exe" || fail "compare arithmetic differs from the replay's"
