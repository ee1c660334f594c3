#!/usr/bin/env bash
# tools/check-cmov: our binaries hold no Pentium Pro instruction in code of
# our own; a program compiled for the Pentium Pro fails, naming the function,
# and the same program compiled for the 486 passes; in a prebuilt library,
# the forms the run-time handler refuses fail and the others are listed.
set -uo pipefail
build=$1
here=$(cd "$(dirname "$0")/../.." && pwd)
check="$here/tools/check-cmov"
dir=$(mktemp -d); trap 'rm -rf "$dir"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

out=$("$check" --map "$build/VORNAK95.map" "$build/bin/VORNAK95.EXE" "$build/bin/Harlix.dll" \
      "$build/bin/NUVASH32.dll") || fail "our binaries: $(grep FAIL <<<"$out" | head -5)"
# The start-up code's loop is the one the handler must always perform.
grep -q 'left to the run-time handler: crt2.o' <<<"$out" || fail "the start-up code's CMOV is not listed: $out"
# The companion, console start-up and all, the same way.
out=$("$check" --map "$build/vornak-report.map" "$build/bin/vornak-report.exe") ||
  fail "vornak-report.exe: $(grep FAIL <<<"$out" | head -5)"

cat > "$dir/pick.c" <<'C'
int pick(int a, int b, int c) { return c ? a : b; }
int main(int argc, char** argv) { (void)argv; return pick(argc, 7, argc > 1); }
C
for arch in i686 i486; do
  i686-w64-mingw32-gcc -O2 -march=$arch -o "$dir/$arch.exe" "$dir/pick.c" -Wl,-Map,"$dir/$arch.map" ||
    fail "cannot build the $arch sample"
done
"$check" --map "$dir/i686.map" "$dir/i686.exe" > "$dir/out" && fail "a Pentium Pro build passed"
grep -q '^FAIL: .*cmov.* in _pick from ' "$dir/out" || fail "the failure does not name pick: $(cat "$dir/out")"
"$check" --map "$dir/i486.map" "$dir/i486.exe" > "$dir/out" || fail "a 486 build failed: $(cat "$dir/out")"

# Forms in a library that counts as prebuilt: each function holds one, named
# by whether the handler performs it (any prefix but FS, GS, 0x67 and REP).
forms=(
  "performed_lock f0 0f 44 c3"
  "performed_cs_ds_ss_es 2e 3e 36 26 0f 44 c3"
  "performed_operand16 66 0f 44 c3"
  "performed_esp_plus_8 0f 47 54 24 08"
  "performed_ebp_ecx4_disp8 0f 44 44 8d f8"
  "performed_absolute 0f 49 05 00 10 40 00"
  "refused_fs 64 0f 44 05 00 00 00 00"
  "refused_gs 65 0f 44 03"
  "refused_address16 67 0f 44 07"
  "refused_rep f3 0f 44 c3"
  "refused_after_an_accepted_prefix 66 65 0f 44 03"
)
mkdir -p "$dir/prebuilt"
for form in "${forms[@]}"; do
  set -- $form; name=$1; shift
  bytes=$(printf '0x%s,' "$@")
  printf '.globl _%s\n_%s: .byte %s\nret\n' "$name" "$name" "${bytes%,}"
done > "$dir/forms.s"
i686-w64-mingw32-as --32 "$dir/forms.s" -o "$dir/forms.o" && ar rcs "$dir/prebuilt/libforms.a" "$dir/forms.o" ||
  fail "cannot build the forms library"
echo 'void performed_lock(void); int main(void) { performed_lock(); return 0; }' > "$dir/forms_main.c"
i686-w64-mingw32-gcc -O2 -march=i486 -o "$dir/forms.exe" "$dir/forms_main.c" -L"$dir/prebuilt" -lforms \
  -Wl,-Map,"$dir/forms.map" || fail "cannot build the forms sample"
"$check" --sites --prebuilt "$dir/prebuilt/" --map "$dir/forms.map" "$dir/forms.exe" > "$dir/out" &&
  fail "refused forms passed: $(cat "$dir/out")"
for form in "${forms[@]}"; do
  set -- $form; name=$1
  failed=$(grep -c "^FAIL: .* in _$name from .*libforms.a.*refuses this form" "$dir/out")
  listed=$(grep -c "^site .* _$name libforms.a" "$dir/out")
  case $name in
    performed_*) [ "$failed/$listed" = 0/1 ] || fail "$name: $failed failure(s), $listed site(s)";;
    refused_*) [ "$failed/$listed" = 1/0 ] || fail "$name: $failed failure(s), $listed site(s)";;
  esac
done
[ $failures = 0 ] && echo "check-cmov: ok"
exit $failures
