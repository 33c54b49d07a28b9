#!/usr/bin/env bash
# Installs what is missing, builds the tests and runs them all, each build folder from its preset
# in CMakePresets.json: the test build (every format and every test), then the tests labelled
# asan (the unit tests and the AAX bundle's tests, the test host loading it headless and in real
# windows) under ASan and UBSan, then those labelled tsan (the dispatcher's lock tests, the
# change count and the AAX bundle's editor road) under ThreadSanitizer, then the fuzz targets'
# regression inputs and a short fuzzing campaign each.
set -euo pipefail
cd "$(dirname "$0")"
source .ci/packages.sh

# Everything at once, the fuzz targets' compilers too, while a sudo password is still fresh.
quindle_install_packages "${QUINDLE_BUILD_PACKAGES[@]}" "${QUINDLE_TEST_PACKAGES[@]}" "${QUINDLE_FUZZ_PACKAGES[@]}"
jobs=$(quindle_jobs)

# quindle_build_and_test <preset>: configures, builds and runs the tests of one build folder.
quindle_build_and_test() {
    cmake --preset "$1"
    cmake --build --preset "$1" -j "$jobs"
    ctest --preset "$1" -j "$jobs"
}

echo "== Test build"
quindle_build_and_test tests

echo "== Unit tests and the AAX bundle's tests under AddressSanitizer and UndefinedBehaviorSanitizer"
quindle_build_and_test asan

echo "== Lock tests, the change count and the AAX editor road under ThreadSanitizer"
# The preset lets a report fail its test through ThreadSanitizer's exit code once the test has
# finished and cleaned up after itself (an X server of its own among it), rather than ending it
# on the spot.
quindle_build_and_test tsan

echo "== Fuzz targets: their regression inputs, then 30 seconds of fuzzing each"
tests/fuzz/campaign.sh 30

echo "All tests passed."
