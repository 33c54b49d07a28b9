#!/usr/bin/env bash
# Builds the fuzz targets (build-fuzz: clang, libFuzzer, ASan and UBSan), runs each once over its
# committed corpus and reproducers (CTest label fuzz), then fuzzes each for SECONDS.
# Usage: tests/fuzz/campaign.sh SECONDS
#
# Each target fuzzes a scratch corpus in build-fuzz/campaign/<target>, seeded from the
# repository's corpus and reproducers and kept between campaigns; the repository is not
# changed. An input that breaks a target is saved there as crash-* (or leak-*, timeout-*): run
# the target on that file to see it again, and add it to tests/fuzz/reproducers/<target> once
# mended.
set -euo pipefail
seconds=${1:?usage: tests/fuzz/campaign.sh SECONDS}
cd "$(dirname "$0")/../.."
source .ci/packages.sh

quindle_install_packages "${QUINDLE_BUILD_PACKAGES[@]}" "${QUINDLE_FUZZ_PACKAGES[@]}"
jobs=$(quindle_jobs)
build=build-fuzz

# The fuzz preset (CMakePresets.json) makes build-fuzz.
cmake --preset fuzz
cmake --build --preset fuzz -j "$jobs"
ctest --preset fuzz -j "$jobs"

for target in StateRestore ParameterText ElckChunk SignalChain; do
    work="$build/campaign/$target"
    mkdir -p "$work/corpus"
    cp tests/fuzz/corpus/"$target"/* tests/fuzz/reproducers/"$target"/* "$work/corpus/"
    echo "== Fuzzing $target for $seconds s"
    "$build/tests/fuzz/${target}Fuzzer" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
        -artifact_prefix="$work/" "$work/corpus" > "$work/fuzz.log" 2>&1 || {
        tail -n 60 "$work/fuzz.log"
        echo "$target broke an invariant or crashed; the input is in $work, the whole log in $work/fuzz.log"
        exit 1
    }
    grep -E "^(stat::number_of_executed_units|stat::new_units_added|Done)" "$work/fuzz.log" || true
done
