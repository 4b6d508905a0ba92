#!/usr/bin/env bash
# A build folder configured as scripts/run leaves build/ (the tests off, kept in the cache):
# scripts/test turns the tests on in it and finds them. It runs scripts/setup, which may
# install packages: CI runs it, never ctest.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cmake -S "$root" -B "$scratch" -G Ninja -DSTRELVAN_TESTS=OFF -DSTRELVAN_UI=OFF \
    -DSTRELVAN_BENCH=OFF >/dev/null
if ctest --test-dir "$scratch" --show-only | grep -q "^Total Tests: [1-9]"; then
    echo "FAIL: the folder configured without tests lists tests" >&2
    exit 1
fi
"$root/scripts/test" --list "$scratch" >"$scratch/listing"
grep -q "^STRELVAN_TESTS:BOOL=ON$" "$scratch/CMakeCache.txt" ||
    { echo "FAIL: the tests are still off in the cache" >&2; exit 1; }
grep -q "engine_numbers_test" "$scratch/listing" ||
    { echo "FAIL: the engine tests are not listed" >&2; cat "$scratch/listing" >&2; exit 1; }
echo "scripts/test turned the tests on: $(grep '^Total Tests' "$scratch/listing")"
