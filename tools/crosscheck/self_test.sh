#!/usr/bin/env bash
# The comparison of crosscheck against itself and against damaged record streams.
#   self_test.sh CROSSCHECK
set -euo pipefail
tool=$1
count=1000 seed=7
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$tool" emit $count $seed >"$work/stream"

fail() { echo "FAIL: $*" >&2; exit 1; }

# Layout (record.cpp): a 24-byte header, then per case an 8-byte text digest and 15 doubles.
header=24 record=128
edges=$(( ($(stat -c %s "$work/stream") - header) / record - count ))

# Flips the lowest bit of byte OFFSET of a copy of the stream.
flipped() {
  local offset=$1 copy="$work/flipped"
  cp "$work/stream" "$copy"
  local byte
  byte=$(od -An -tu1 -j "$offset" -N1 "$copy" | tr -d ' ')
  printf "$(printf '\\%03o' $(( byte ^ 1 )))" | dd of="$copy" bs=1 seek="$offset" conv=notrunc status=none
  echo "$copy"
}

# compare INPUT EXPECTED_STATUS: runs the comparison and keeps its output in $out.
compare() {
  local status=0
  out=$("$tool" compare $count $seed <"$1" 2>&1) || status=$?
  [ "$status" -eq "$2" ] || fail "exit status $status, not $2, for $1:"$'\n'"$out"
}

compare "$work/stream" 0
grep -q "^cases whose texts differ: 0$" <<<"$out" || fail "identical streams: $out"
grep -q "^cases whose working values differ: 0 " <<<"$out" || fail "identical streams: $out"

# A text digest changed in one random case: reported by its index, the run fails.
case=$(( edges + 500 ))
compare "$(flipped $(( header + case * record )))" 1
grep -q "^TEXTS DIFFER, case $case: random " <<<"$out" || fail "changed text digest not named: $out"

# The lowest bit of D (the ninth value) in one case: one case, one ulp, the run passes.
case=$(( edges + 600 ))
compare "$(flipped $(( header + case * record + 8 + 8 * 8 )))" 0
grep -q "^cases whose working values differ: 1 " <<<"$out" || fail "changed D not counted: $out"
grep -Eq "^D +1 +0 +1( +0){6} +1 $case$" <<<"$out" || fail "changed D not tallied as 1 ulp at $case: $out"

# A short stream and a stream of another seed are refused.
head -c $(( header + 10 * record )) "$work/stream" >"$work/short"
compare "$work/short" 2
"$tool" emit $count $(( seed + 1 )) >"$work/other"
compare "$work/other" 2
echo "crosscheck self test passed"
