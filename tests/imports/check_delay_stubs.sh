#!/usr/bin/env bash
# Fails when a function of a DLL loaded on first use (cmake/delay_load.cmake) lacks its stub: the
# program calls such a function through a pointer that starts at the stub, which loads the DLL.
# Without the stub the pointer is null, and the first call jumps to address 0. The 32-bit linker
# drops a stub that nothing names but its pointer, so this reads the program's symbols.
# usage: check_delay_stubs.sh <nm> <program or its debug file> <list of a delayed DLL>...
set -euo pipefail
nm=$1
symbols=$2
shift 2

table=$("$nm" "$symbols")
status=0
checked=0
for list in "$@"; do
  while read -r name _; do
    [[ -z $name || $name == \#* ]] && continue
    # The pointer: "__imp__Name@n" on 32-bit Windows, "__imp_Name" on 64-bit.
    pointer=$(awk -v name="$name" '
      $2 == "I" && ($3 ~ "^__imp__?" name "(@[0-9]+)?$") { print $3; exit }' <<<"$table")
    [ -n "$pointer" ] || continue
    stub=${pointer#__imp_}
    checked=$((checked + 1))
    if ! awk -v stub="$stub" '$3 == stub && ($2 == "T" || $2 == "t") { found = 1 }
                              END { exit !found }' <<<"$table"; then
      echo "  $(basename "$list" .txt): $name has no stub; its first call jumps to address 0"
      status=1
    fi
  done <"$list"
done
echo "delay-loaded functions with their stubs: $checked checked"
if [ "$checked" = 0 ]; then
  echo "no delay-loaded function found in $(basename "$symbols"): nothing was checked"
  status=1
fi
exit "$status"
