#!/usr/bin/env bash
# Disassembles the shipped 32-bit program and fails on any instruction the Pentium (i586) does
# not have, outside the functions that run only after CPUID said the processor has it: cmov,
# fcmov, fcomi/fucomi (Pentium Pro), the long nop, sysenter/sysexit, MMX and SSE and later. The
# program's functions are named from its debug information (the file beside it).
# Prints the count of each such instruction and, for every function holding one, its name.
# usage: check_processor.sh <objdump> <nm> <c++filt> <program.exe> <debug file> <guarded list>
set -euo pipefail
objdump=$1 nm=$2 cxxfilt=$3 program=$4 debug=$5 guarded=$6

# Function starts from the symbol table: "address name", sorted. Labels of data kept in the code
# section (the exception tables) start with a dot; what follows them up to the next function is
# data, not code.
symbols=$(mktemp)
trap 'rm -f "$symbols"' EXIT
"$nm" -n --defined-only "$debug" | awk '$2 ~ /^[tT]$/ { print $1, $3 }' >"$symbols"
[ -s "$symbols" ] || { echo "no function symbols in $debug"; exit 1; }

# Functions allowed to hold such instructions, each reached only after a CPUID check; one
# demangled name (or its start) a line, "#" starts a comment.
allowed=$(grep -v '^[[:space:]]*\(#\|$\)' "$guarded" | sed 's/[[:space:]]*$//' || true)

report=$("$objdump" -d --no-show-raw-insn "$program" | awk '
  NR == FNR { count++; start[count] = strtonum("0x" $1); name[count] = $2; next }
  FNR == 1 { at = 1 }
  # Instructions newer than the Pentium, by mnemonic, and any use of MMX, SSE or AVX registers.
  function above(mnemonic, operands) {
    if (mnemonic ~ /^(cmov|fcmov|fcomi|fucomi)/) return mnemonic
    if (mnemonic ~ /^(nopw|nopl|sysenter|sysexit|fxsave|fxrstor|ldmxcsr|stmxcsr|emms|prefetch|movnti|clflush|[lms]fence|popcnt|lzcnt|tzcnt|rdrand|rdseed|movbe|crc32|fisttp|endbr32|xgetbv)/) return mnemonic
    if (operands ~ /%(x|y|z)?mm[0-9]/) return mnemonic " (vector register)"
    return ""
  }
  /^ *[0-9a-f]+:\t/ {
    address = strtonum("0x" substr($1, 1, length($1) - 1))
    while (at < count && start[at + 1] <= address) at++
    if (address < start[1] || substr(name[at], 1, 1) == ".") next
    line = $0
    sub(/^ *[0-9a-f]+:\t/, "", line)
    mnemonic = line; sub(/[ \t].*/, "", mnemonic)
    operands = line; sub(/^[^ \t]*[ \t]*/, "", operands)
    instructions++
    kind = above(mnemonic, operands)
    if (kind != "") { kinds[kind]++; held[name[at]]++ }
  }
  END {
    print "instructions", instructions + 0
    for (k in kinds) print "kind", kinds[k], k
    for (f in held) print "function", held[f], f
  }' "$symbols" -)

instructions=$(awk '$1 == "instructions" { print $2 }' <<<"$report")
[ "${instructions:-0}" -gt 0 ] || { echo "no instructions found: not a program objdump could read"; exit 1; }
echo "instructions in $(basename "$program"): $instructions"

beyond=0
guardedCount=0
while read -r _ count mangled; do
  [ -n "$mangled" ] || continue
  readable=$("$cxxfilt" -_ "$mangled" 2>/dev/null || echo "$mangled")
  ok=0
  while IFS= read -r entry; do
    [ -n "$entry" ] && [[ $readable == "$entry"* ]] && ok=1 && break
  done <<<"$allowed"
  if [ "$ok" = 1 ]; then
    echo "  after a CPUID check: $count in $readable"
    guardedCount=$((guardedCount + count))
  else
    echo "  above the Pentium: $count in $readable"
    beyond=$((beyond + count))
  fi
done < <(grep '^function ' <<<"$report" | sort -k2,2nr)

echo "instructions newer than the Pentium, by kind:"
if grep -q '^kind ' <<<"$report"; then
  grep '^kind ' <<<"$report" | sort -k2,2nr | while read -r _ count kind; do
    echo "  $kind: $count"
  done
else
  echo "  none"
fi
echo "above the Pentium outside CPUID-guarded code: $beyond; after a CPUID check: $guardedCount"
if [ "$beyond" -eq 0 ]; then
  echo "Pentium (i586) instruction check: PASS"
else
  echo "Pentium (i586) instruction check: FAIL"
  exit 1
fi
