#!/usr/bin/env bash
# The comparison of crosscheck against itself and against damaged record streams, and the texts it
# compares against what the behaviour table has the window show.
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
# The texts are the window's own: what rows of the behaviour table (tests/ui/behaviour_table.cpp)
# show for the same texts. Each row: a case as show names it, and part of a line it shows.
shown=$("$tool" show 0 0 $(seq 0 $(( edges - 1 ))))
while IFS='|' read -r name part; do
  block=$(LC_ALL=C awk -v name="$name" '/^case /{on = substr($0, index($0, ": ") + 2) == name} on' <<<"$shown")
  grep -qF -- "$part" <<<"$block" || fail "$name does not show $part:"$'\n'"$block"
done <<'ROWS'
path table "JN61FV" to "JN45LL"|Text7 "41.8958333333333"  Text2 "-12.4583333333333"  Text4 "45.4791666666667"  Text8 "-8.95833333333333"
path table "JN61FV" to "JN45LL"|Text1 " 326"  Text6 " 487"  miles "302"
lower case "JN61FV" to "jn45ll"|Text1 " 326"  Text6 " 487"  miles "302"
path table "JN61FV" to "JN61FV"|Text1 "0"  Text6 " 0"
lower case "jn61fv" to "JN61FV"|Text1 "0"  Text6 " 0"
path table "JJ00AA" to "JJ00AA"|Text1 "0"  Text6 " 1"
path table "IO91WM" to "FN20XR"|Text2 "0.125"
path table "IO91WM" to "FN20XR"|Text1 " 288"  Text6 " 5559"
locator check "FN3" to "IO91WM"|Text7 "65.3125"
locator check "FN3" to "IO91WM"|Text1 "??????"  Text6 "??????"  miles "0"
locator check "9931ZZ" to "IO91WM"|Text7 "-167.9375"
decoding, first "" to "JN45LL"|Text7 "-790.6875"
degenerate position (45, 0) to (45, 1)|positions "45" "0" to "45" "1"  bearing " 90"  distance " 78"
ROWS
echo "crosscheck self test passed"
