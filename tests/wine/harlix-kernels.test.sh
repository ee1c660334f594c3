#!/usr/bin/env bash
# The kernels in the built Harlix.dll still have their measured form
# (tools/check-kernels), and the check rejects altered copies, naming the
# kernel. Needs no Wine.
set -euo pipefail
: "${VORNAK_BIN:?run through ctest in the win32 build}"
check="$VORNAK_SOURCE/tools/check-kernels"
dll="$VORNAK_BIN/Harlix.dll"
fail() { echo "FAIL: $*" >&2; exit 1; }

python3 "$check" "$dll" || fail "check-kernels rejects the built Harlix.dll"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# reject NAME OLD-HEX NEW-HEX KERNEL: a copy with one byte sequence replaced
# (it must occur exactly once) fails the check, and the message names KERNEL.
reject() {
  local copy="$scratch/$1.dll" out
  python3 - "$dll" "$copy" "$2" "$3" <<'PY' || fail "$1: cannot make the altered copy"
import sys
src, dst, old, new = sys.argv[1:]
data = open(src, "rb").read()
old, new = bytes.fromhex(old), bytes.fromhex(new)
if data.count(old) != 1:
    sys.exit("%s occurs %d times" % (old.hex(" "), data.count(old)))
open(dst, "wb").write(data.replace(old, new))
PY
  if out=$(python3 "$check" "$copy"); then fail "$1: altered copy accepted"; fi
  grep -q "$4" <<<"$out" || fail "$1: rejected without naming $4: $out"
  echo "rejected as expected: $1"
}

# Iteration counts.
reject speed-rounds   "83 7d fc 00 74 0c 40" "83 7d fc 01 74 0c 40" HLX_SpeedInt
reject clear-count    "ba 50 c3 00 00" "ba 4f c3 00 00" HLX_MemClr
reject copy-passes    "c1 ea 02 b8 96 00 00 00" "c1 ea 02 b8 95 00 00 00" "block-copy worker"
reject block-size     "68 00 00 00 02 e8" "68 00 00 80 01 e8" HLX_MemChk32M
reject body-runs      "b9 10 27 00 00 66 31 d8" "b9 0f 27 00 00 66 31 d8" HLX_Int
# Loop bodies: FNSTSW + two FWAITs disassembles much like FSTSW + FWAIT.
reject float-wait     "b9 10 27 00 00 9b df e0 9b 49" "b9 10 27 00 00 df e0 9b 9b 49" HLX_Float
reject mix-op         "d8 c1 d8 c9 9b df e0 9b 49" "d8 e1 d8 c9 9b df e0 9b 49" HLX_FloatMix
# The round counter kept in memory, the 16-bit round counter on the stack.
reject memory-counter "8b 45 fc 83 e8 01 89 45 fc eb eb" "8b 45 fc 83 e8 01 90 90 90 eb eb" HLX_SpeedFloat
reject round-counter  "9b df e0 49 75 fa 0f 31 66 59" "9b df e0 49 75 fa 0f 31 59 90" HLX_FloatNoWait
# The zero rule of the block copies.
reject zero-rule      "85 c0 75 01 40 69 c0" "85 c0 75 01 90 69 c0" "block-copy worker"
echo "harlix-kernels: ok"
