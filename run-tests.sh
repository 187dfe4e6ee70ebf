#!/usr/bin/env bash
# Sets up, builds and runs every test of Tavo: the engine and tool tests,
# the same tests under AddressSanitizer + UndefinedBehaviorSanitizer, and
# the file-loader fuzzer for a bounded time.
set -euo pipefail
cd "$(dirname "$0")"

scripts/setup-debian.sh

echo "== Sanitized build (clang-14, address + undefined) =="
cmake --preset asan >/dev/null
cmake --build --preset asan

echo "== Fuzzing the file loaders and the game day (${TAVO_FUZZ_SECONDS:-60} s) =="
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
mkdir -p build/fuzz/corpus
build/fuzz/fuzz/tavo_fuzz_files -max_total_time="${TAVO_FUZZ_SECONDS:-60}" -timeout=30 \
    -rss_limit_mb=2048 -print_final_stats=1 build/fuzz/corpus 2>&1 | tail -n 12

echo "== Tests under the sanitizers =="
ctest --preset asan

echo "== Build and tests =="
cmake --preset default >/dev/null
cmake --build --preset default
ctest --preset default
