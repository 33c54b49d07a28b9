# Work-arounds for Debian's packaging of JUCE 7.0.5.

# Debian's JUCE builds juce_audio_formats against the system FLAC, Vorbis and Ogg
# but its CMake package does not link them, so every target using that module would
# fail to link. Bring them in through pkg-config.
find_package(PkgConfig REQUIRED)
pkg_check_modules(QUINDLE_CODECS REQUIRED IMPORTED_TARGET flac vorbisenc vorbisfile vorbis ogg)

# Links the system codec libraries that Debian's juce_audio_formats expects.
function(quindle_link_system_codecs target)
    target_link_libraries(${target} PRIVATE PkgConfig::QUINDLE_CODECS)
endfunction()
