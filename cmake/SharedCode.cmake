# Lets an executable (a test, a benchmark, a fuzz target) link the plug-in's shared code without
# compiling the JUCE modules a second time: the modules stay private to the library, and the
# consumer takes over their include paths and definitions through the transitive properties.
# quindle_link_shared_code(<target> [<library>]): the library is Quindle unless named.
function(quindle_link_shared_code target)
    set(library Quindle)
    if(ARGC GREATER 1)
        set(library ${ARGV1})
    endif()
    target_link_libraries(${target} PRIVATE ${library})
    target_include_directories(${target} PRIVATE $<TARGET_PROPERTY:${library},INCLUDE_DIRECTORIES>)
    target_compile_definitions(${target} PRIVATE $<TARGET_PROPERTY:${library},COMPILE_DEFINITIONS>)
    target_compile_options(${target} PRIVATE $<TARGET_PROPERTY:${library},COMPILE_OPTIONS>)
    quindle_link_system_codecs(${target})
endfunction()
