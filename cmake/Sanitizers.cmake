# One switch per sanitizer; each is meant to live in a build folder of its own.
option(QUINDLE_ASAN "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(QUINDLE_TSAN "Build with ThreadSanitizer" OFF)

if(QUINDLE_ASAN AND QUINDLE_TSAN)
    message(FATAL_ERROR "QUINDLE_ASAN and QUINDLE_TSAN cannot be combined")
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
