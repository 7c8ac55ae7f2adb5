#!/usr/bin/env bash
# scripts/check-layers: each rule broken in bad/ is reported with its message and fails the
# check; clean/ and the real src/ pass; a layers file with a cycle fails.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
check="$root/scripts/check-layers"
layers="$root/scripts/layers.txt"
failures=0

# expect NAME STATUS EXPECTED_OUTPUT_FILE -- command...
expect() {
    local name=$1 status=$2 expected=$3
    shift 4
    local output rc
    output=$("$@" 2>&1)
    rc=$?
    if [ "$rc" -ne "$status" ]; then
        echo "FAIL $name: exit status $rc, expected $status"
        echo "$output"
        failures=$((failures + 1))
    elif ! diff -u "$expected" <(printf '%s' "$output" | sed -e '$a\') >/dev/null; then
        echo "FAIL $name: output differs"
        diff -u "$expected" <(printf '%s' "$output" | sed -e '$a\')
        failures=$((failures + 1))
    else
        echo "ok   $name"
    fi
}

empty=$(mktemp)
cycle_src=$(mktemp -d)
cycle_expected=$(mktemp)
trap 'rm -rf "$empty" "$cycle_src" "$cycle_expected"' EXIT
echo "$here/cycle.txt: the allowed dependencies have a cycle: players -> ratings -> rosters -> players" >"$cycle_expected"

expect "every broken rule" 1 "$here/bad/expected.txt" -- "$check" "$here/bad/src" "$layers"
expect "clean tree" 0 "$empty" -- "$check" "$here/clean/src" "$layers"
expect "the real src/" 0 "$empty" -- "$check" "$root/src" "$layers"
expect "cycle in the layers file" 1 "$cycle_expected" -- "$check" "$cycle_src" "$here/cycle.txt"

echo "$((4 - failures)) passed, $failures failed"
[ "$failures" -eq 0 ]
