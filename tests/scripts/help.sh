#!/usr/bin/env bash
# Every script answers --help with one usage line and status 0, and does nothing else: no package
# installed, no folder made, nothing built.
#   help.sh PROJECT_ROOT
set -euo pipefail
root=$1
failed=0
before=$(cd "$root" && ls -A)
for script in "$root"/scripts/* "$root"/tools/make-images "$root"/tools/make-readme-pictures "$root"/tools/mutants/run; do
  [ "$(basename "$script")" = lib.sh ] && continue
  name=${script#"$root"/}
  status=0
  out=$(cd "$(mktemp -d)" && "$script" --help 2>&1) || status=$?
  if [ "$status" -ne 0 ] || [ "$(wc -l <<<"$out")" -ne 1 ] || [[ "$out" != "usage: $name"* ]]; then
    echo "FAIL: $name --help gave status $status and: $out"
    failed=1
  fi
done
[ "$(cd "$root" && ls -A)" = "$before" ] || { echo "FAIL: --help left something in the project folder"; failed=1; }
[ "$failed" -eq 0 ] && echo "PASS: every script answers --help with one usage line"
exit "$failed"
