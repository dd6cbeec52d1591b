#!/usr/bin/env bash
# Builds everything under AddressSanitizer and UndefinedBehaviorSanitizer and runs the whole suite.
# Usage: scripts/test.sh            (build directory: build-test/)
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh

build=build-test
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAVLO_SANITIZE=ON -DTAVLO_TESTS=ON -DTAVLO_BENCH=ON >/dev/null
cmake --build "$build" -j2

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
exec ctest --test-dir "$build" --output-on-failure -j2
