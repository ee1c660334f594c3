# Shared set-up for the tests that run our binaries under Wine.
# Sourced by tests/wine/*.test.sh; ctest passes VORNAK_BIN, VORNAK_BUILD and
# VORNAK_SOURCE. One prefix per flavour lives in the build folder and is reused
# by every test of a run (creating one takes tens of seconds).
set -euo pipefail
: "${VORNAK_BIN:?run through ctest in the win32 build}"
export WINEDEBUG=-all
export WINEARCH=win32
unset DISPLAY

# use_prefix NAME [win98]: select (and create once) the headless prefix NAME.
use_prefix() {
  local name=$1 version=${2:-}
  export WINEPREFIX="${VORNAK_WINE:-$VORNAK_BUILD/wine}/$name"
  "$VORNAK_SOURCE/tools/wine-prefix" "$WINEPREFIX" $version headless
}

# make_scratch: sets SCRATCH to a fresh folder inside the prefix's C: drive,
# removed when the test ends (not in a subshell, so the trap is the test's).
make_scratch() {
  SCRATCH=$(mktemp -d "$WINEPREFIX/drive_c/test.XXXXXX")
  trap 'rm -rf "$SCRATCH"' EXIT
}

# copy_program DIR: the program and its DLLs, as a user would unpack them.
copy_program() {
  cp "$VORNAK_BIN"/*.EXE "$VORNAK_BIN"/*.dll "$1"/
}

fail() { echo "FAIL: $*" >&2; exit 1; }
