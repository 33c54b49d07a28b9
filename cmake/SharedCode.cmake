# Lets an executable (a test, a benchmark) link the plug-in's shared code without compiling
# the JUCE modules a second time: the modules stay private to the Quindle target, and the
# consumer takes over their include paths and definitions through the transitive properties.
function(quindle_link_shared_code target)
    target_link_libraries(${target} PRIVATE Quindle)
    target_include_directories(${target} PRIVATE $<TARGET_PROPERTY:Quindle,INCLUDE_DIRECTORIES>)
    target_compile_definitions(${target} PRIVATE $<TARGET_PROPERTY:Quindle,COMPILE_DEFINITIONS>)
    target_compile_options(${target} PRIVATE $<TARGET_PROPERTY:Quindle,COMPILE_OPTIONS>)
    quindle_link_system_codecs(${target})
endfunction()
