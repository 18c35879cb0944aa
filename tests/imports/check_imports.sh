#!/usr/bin/env bash
# Reads the import table of a 32-bit Windows program and fails when it needs anything Windows
# NT 4.0 SP6 does not have: a DLL without a list in the list folder, a function not on its DLL's
# list, an import by ordinal, or a subsystem version above 4.0 (NT 4.0 refuses to load those).
# DLLs loaded on first use (cmake/delay_load.cmake) are not in the import table: their delayed
# functions are made from these same lists, and any other function of theirs is imported here.
# usage: check_imports.sh <objdump> <program.exe> <list folder>
set -euo pipefail
objdump=$1
program=$2
lists=$3

dump=$("$objdump" -p "$program")

# "DLL name<TAB>function" per import; objdump shows an import by ordinal as "<none>".
imports=$(awk '
  /^\tDLL Name: / { dll = $3; next }
  dll != "" && /^\t[0-9a-f]+\t/ {
    split($0, field, /[ \t]+/)
    print dll "\t" field[4]
    next
  }
  dll != "" && !/^\t/ && !/^$/ { dll = "" }
' <<<"$dump")

# What NT 4.0 SP6 has: <dll>.txt holds one function a line, "#" starts a comment.
declare -A listed hasList
for list in "$lists"/*.txt; do
  key=$(basename "$list" .txt).dll
  hasList[$key]=1
  while read -r name _; do
    [[ -z $name || $name == \#* ]] && continue
    listed["$key $name"]=1
  done <"$list"
done

status=0
beyond=0
lacking=0
declare -A count
while IFS=$'\t' read -r dll function; do
  [ -n "$dll" ] || continue
  key=${dll,,}
  count[$key]=$((${count[$key]:-0} + 1))
  if [ -n "${hasList[$key]:-}" ] && [ -z "${listed["$key $function"]:-}" ]; then
    echo "  not in NT 4.0 SP6's $key: $function"
    beyond=$((beyond + 1))
  fi
done <<<"$imports"

echo "imports of $(basename "$program") per DLL:"
for key in $(printf '%s\n' "${!count[@]}" | sort); do
  if [ -z "${hasList[$key]:-}" ]; then
    echo "  $key: ${count[$key]} functions; a DLL NT 4.0 SP6 lacks (or one without a verified list)"
    lacking=$((lacking + 1))
  else
    echo "  $key: ${count[$key]} functions"
  fi
done

major=$(awk '$1 == "MajorSubsystemVersion" { print $2 }' <<<"$dump")
minor=$(awk '$1 == "MinorSubsystemVersion" { print $2 }' <<<"$dump")
echo "subsystem version: $major.$minor (NT 4.0 loads 4.0 and lower)"
if [ -z "$major" ] || [ "$major" -gt 4 ] || { [ "$major" -eq 4 ] && [ "$minor" -gt 0 ]; }; then
  status=1
fi
if [ ${#count[@]} -eq 0 ]; then
  echo "no imports found: not a program objdump could read"
  status=1
fi

echo "imports beyond NT 4.0 SP6: $beyond; DLLs NT 4.0 SP6 lacks: $lacking"
[ "$beyond" -eq 0 ] && [ "$lacking" -eq 0 ] || status=1
if [ "$status" -eq 0 ]; then echo "NT 4.0 SP6 import check: PASS"; else echo "NT 4.0 SP6 import check: FAIL"; fi
exit "$status"
