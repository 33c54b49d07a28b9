#!/usr/bin/env bash
# Installs what is missing, builds every format in Release (AAX too, which has no host on
# Linux to install into) and installs the VST3 and LV2 bundles into ~/.vst3 and ~/.lv2.
set -euo pipefail
cd "$(dirname "$0")"
source .ci/packages.sh

quindle_install_packages "${QUINDLE_BUILD_PACKAGES[@]}" "${QUINDLE_BENCH_PACKAGES[@]}"

# The release preset (CMakePresets.json); QUINDLE_JOBS caps the link-time optimiser too.
cmake --preset release -DQUINDLE_LTO_JOBS="${QUINDLE_JOBS:-auto}"
cmake --build --preset release -j "$(quindle_jobs)"

artefacts=build-release/Quindle_artefacts/Release
mkdir -p "$HOME/.vst3" "$HOME/.lv2"
rm -rf "$HOME/.vst3/Quindle.vst3" "$HOME/.lv2/Quindle.lv2"
cp -R "$artefacts/VST3/Quindle.vst3" "$HOME/.vst3/"
cp -R "$artefacts/LV2/Quindle.lv2" "$HOME/.lv2/"

echo "Built $artefacts/{Standalone,VST3,LV2,AAX}; VST3 and LV2 bundles installed in ~/.vst3 and ~/.lv2"
