# One switch per sanitizer; each is meant to live in a build folder of its own.
option(QUINDLE_ASAN "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(QUINDLE_TSAN "Build with ThreadSanitizer" OFF)
option(QUINDLE_FUZZ "Build only the libFuzzer targets, with AddressSanitizer and UndefinedBehaviorSanitizer (clang)" OFF)

if((QUINDLE_ASAN AND QUINDLE_TSAN) OR (QUINDLE_FUZZ AND (QUINDLE_ASAN OR QUINDLE_TSAN)))
    message(FATAL_ERROR "QUINDLE_ASAN, QUINDLE_TSAN and QUINDLE_FUZZ cannot be combined")
endif()

if(QUINDLE_ASAN)
    # GCC leaves float-cast-overflow (a NaN or too large a number converted to an integer) out of
    # "undefined"; clang includes it.
    add_compile_options(-fsanitize=address,undefined,float-cast-overflow -fno-omit-frame-pointer
                        -fno-sanitize-recover=undefined,float-cast-overflow)
    add_link_options(-fsanitize=address,undefined,float-cast-overflow)
endif()

if(QUINDLE_TSAN)
    add_compile_options(-fsanitize=thread -fno-omit-frame-pointer)
    add_link_options(-fsanitize=thread)
endif()

if(QUINDLE_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
        message(FATAL_ERROR "QUINDLE_FUZZ needs clang: configure with CC=clang-14 CXX=clang++-14")
    endif()
    # Coverage for libFuzzer on everything, JUCE included; the fuzz targets add -fsanitize=fuzzer
    # (libFuzzer's main) when they link.
    add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
endif()
