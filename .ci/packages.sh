# Sourced by build.sh and test.sh: installs the Debian packages that are missing.
# Usage: quindle_install_packages <package>...

quindle_install_packages() {
    local missing=()
    local package
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    # Through sudo as well: jackd2 asks a debconf question (realtime rights) otherwise.
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# What every build needs: the compiler, CMake, Debian's JUCE (which pulls in the -dev
# packages it builds against), the codecs its CMake forgets to link, and the editor's font.
QUINDLE_BUILD_PACKAGES=(
    build-essential cmake pkg-config
    juce-modules-source
    libflac-dev libvorbis-dev libogg-dev
    fonts-texgyre
)

QUINDLE_BENCH_PACKAGES=(libbenchmark-dev)

# jalv, jackd2 and xdotool: the tests in Debian's LV2 host (tests/host/JalvEditorTests.cpp).
QUINDLE_TEST_PACKAGES=(googletest libgtest-dev libgmock-dev xvfb xauth x11-apps x11-utils imagemagick libxtst-dev liblilv-dev
                       jalv jackd2 xdotool)

# The fuzz targets (tests/fuzz): clang with its sanitizer runtimes and libFuzzer.
QUINDLE_FUZZ_PACKAGES=(clang-14 libclang-rt-14-dev libfuzzer-14-dev)

# QUINDLE_JOBS caps the parallel jobs, e.g. when several builds share one machine.
quindle_jobs() {
    echo "${QUINDLE_JOBS:-$(nproc 2>/dev/null || echo 4)}"
}
