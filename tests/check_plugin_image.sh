#!/usr/bin/env bash
# Checks that a plug-in DLL is what a player's game can load: a 32-bit DLL that prefers base 0x10000000,
# keeps its relocation records, exports no names, and imports only the DLLs given (system DLLs that every
# Windows has, or that the game ships).
#   check_plugin_image.sh DLL ALLOWED_IMPORT...
set -euo pipefail

dll=$1
shift
allowed=" $* "
failed=0
fail() {
  echo "$dll: $*" >&2
  failed=1
}

headers=$(i686-w64-mingw32-objdump -p "$dll")
sections=$(i686-w64-mingw32-objdump -h "$dll")

grep -q "file format pei-i386" <<<"$headers" || fail "not a 32-bit Windows image"
grep -Eq "^Characteristics.*" <<<"$headers" && grep -q "DLL" <<<"$headers" || fail "not a DLL"
grep -Eq "^ImageBase[[:space:]]+10000000$" <<<"$headers" || fail "preferred base is not 0x10000000"
grep -Eq "^ +[0-9]+ \.reloc " <<<"$sections" || fail "has no .reloc section: it could not load at another base"
exported=$(sed -n '/^\[Ordinal\/Name Pointer\] Table/,/^$/p' <<<"$headers" | sed '1d;/^$/d')
[ -z "$exported" ] || fail "exports names: $exported"

while read -r import; do
  [[ "$allowed" == *" $import "* ]] || fail "imports $import, which a player's machine may not have"
done < <(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$headers")

[ $failed -eq 0 ] && echo "$dll: 32-bit DLL, base 0x10000000, relocatable, no exports, imports only:${allowed% }"
exit $failed
