# Sourced by build.sh, test.sh and tests/fuzz/campaign.sh: installs the Debian packages that are
# missing.
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

    # sudo drops the caller's environment: the frontend is passed through env.
    local as_root=(env DEBIAN_FRONTEND=noninteractive)
    if [ "$(id -u)" -ne 0 ]; then
        if ! command -v sudo > /dev/null; then
            echo "These Debian packages are missing: ${missing[*]}" >&2
            echo "Installing them needs root or sudo: run this again as root, or install them first." >&2
            return 1
        fi
        as_root=(sudo "${as_root[@]}")
    fi
    echo "Installing: ${missing[*]}"
    "${as_root[@]}" apt-get update -qq
    "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
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
