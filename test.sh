#!/usr/bin/env bash
# Installs what is missing, builds the tests and runs them all: the test build
# (every format and every test), then the unit tests and the AAX bundle's tests (the test host
# loading it, headless and in real windows) again under ASan and UBSan, then the
# dispatcher's lock tests, the change count and the AAX bundle's editor road under
# ThreadSanitizer, then the fuzz targets' regression inputs and a short fuzzing campaign each.
set -euo pipefail
cd "$(dirname "$0")"
source .ci/packages.sh

quindle_install_packages "${QUINDLE_BUILD_PACKAGES[@]}" "${QUINDLE_TEST_PACKAGES[@]}"
jobs=$(quindle_jobs)

echo "== Test build"
cmake -S . -B build-tests -DCMAKE_BUILD_TYPE=Debug -DQUINDLE_BUILD_TESTS=ON
cmake --build build-tests -j "$jobs"
ctest --test-dir build-tests --output-on-failure -j "$jobs"

echo "== Unit tests and the AAX bundle's tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DQUINDLE_BUILD_TESTS=ON -DQUINDLE_ASAN=ON
# Besides the unit tests, only the AAX bundle and the test host's executables that load it.
cmake --build build-asan -j "$jobs" --target quindle_unit_tests QuindleAAXBundleTests QuindleAAXBundleEditorTests
sanitizer_options=(ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1)
env "${sanitizer_options[@]}" ctest --test-dir build-asan --output-on-failure -j "$jobs" -L unit
env "${sanitizer_options[@]}" ctest --test-dir build-asan --output-on-failure -j "$jobs" -R '^aaxhost\.' -L '^(host|xvfb)$'

echo "== Lock tests, the change count and the AAX editor road under ThreadSanitizer"
cmake -S . -B build-tsan -DCMAKE_BUILD_TYPE=Debug -DQUINDLE_BUILD_TESTS=ON -DQUINDLE_TSAN=ON
cmake --build build-tsan -j "$jobs" --target AAXDispatcherLockTests QuindleAAXBundleEditorTests
# A report fails its test through ThreadSanitizer's exit code once the test has finished and
# cleaned up after itself (an X server of its own among it), rather than ending it on the spot.
TSAN_OPTIONS=second_deadlock_stack=1 \
    ctest --test-dir build-tsan --output-on-failure -j "$jobs" -L tsan

echo "== Fuzz targets: their regression inputs, then 30 seconds of fuzzing each"
tests/fuzz/campaign.sh 30

echo "All tests passed."
