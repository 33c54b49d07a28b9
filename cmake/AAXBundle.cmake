# The AAX format, which JUCE's CMake offers only on macOS and Windows: JUCE's own AAX wrapper,
# unmodified, compiled against our AAX library (AAX/) and linked with the plug-in's shared code
# into a bundle laid out as JUCE lays out the Linux VST3:
#   <artefacts>/<config>/AAX/Quindle.aaxplugin/Contents/x86_64-linux/Quindle.so
# The bundle exports only the seven ACF entry points. On Linux it also runs JUCE's message loop
# on the host's GUI thread (aaxbundle/LinuxMessageLoop.cpp), which on macOS is the host's.

set(QUINDLE_AAX_EXPORTS_MAP "${CMAKE_CURRENT_LIST_DIR}/AAXBundleExports.map")

# quindle_juce_client_overlay(<out_dir_var>)
# Debian's juce_CheckSettingMacros.h switches AAX off, and the wrapper includes it by a relative
# path. The wrapper is therefore compiled from an overlay of the plug-in client module: one link
# per file, except that header, whose copy lacks Debian's block. Configuration fails if the block
# is not found, so a changed Debian package cannot silently build a bundle without AAX in it.
function(quindle_juce_client_overlay out_dir_var)
    get_target_property(module_path juce::juce_audio_plugin_client INTERFACE_JUCE_MODULE_PATH)
    set(client_dir "${module_path}/juce_audio_plugin_client")
    set(overlay_dir "${CMAKE_BINARY_DIR}/juce-client-overlay")
    set(settings_header "utility/juce_CheckSettingMacros.h")

    file(GLOB_RECURSE client_files RELATIVE "${client_dir}" "${client_dir}/*")
    foreach(file IN LISTS client_files)
        set(link "${overlay_dir}/juce_audio_plugin_client/${file}")
        get_filename_component(link_dir "${link}" DIRECTORY)
        file(MAKE_DIRECTORY "${link_dir}")
        if(NOT file STREQUAL settings_header)
            file(CREATE_LINK "${client_dir}/${file}" "${link}" SYMBOLIC)
        endif()
    endforeach()

    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${client_dir}/${settings_header}")
    file(READ "${client_dir}/${settings_header}" settings_text)
    set(aax_disabling_block "#if JucePlugin_Build_AAX\n# warning JUCE/Debian disabled AAX support\n# undef JucePlugin_Build_AAX\n# define JucePlugin_Build_AAX 0\n#endif\n")
    string(FIND "${settings_text}" "${aax_disabling_block}" block_position)
    if(block_position EQUAL -1)
        message(FATAL_ERROR "Debian's AAX-disabling block not found in ${client_dir}/${settings_header}")
    endif()
    string(REPLACE "${aax_disabling_block}" "" settings_text "${settings_text}")
    set(settings_copy "${overlay_dir}/juce_audio_plugin_client/${settings_header}")
    file(WRITE "${settings_copy}.new" "${settings_text}")
    file(COPY_FILE "${settings_copy}.new" "${settings_copy}" ONLY_IF_DIFFERENT)
    file(REMOVE "${settings_copy}.new")

    set(${out_dir_var} "${overlay_dir}" PARENT_SCOPE)
endfunction()

# Like every format JUCE builds, the AAX one needs the shared code to know it is there:
# PluginHostType::isInAAXAudioSuite (juce_audio_processors, compiled into the shared code)
# answers from the AAX wrapper only when JucePlugin_Build_AAX is 1. Nothing else in the shared
# code depends on the flag; the other formats' wrappers are compiled in their own targets with
# flags of their own, so they are unaffected.
function(quindle_enable_aax_in_shared_code shared_code_target)
    get_target_property(definitions ${shared_code_target} COMPILE_DEFINITIONS)
    if(NOT "JucePlugin_Build_AAX=0" IN_LIST definitions)
        message(FATAL_ERROR "${shared_code_target} has no JucePlugin_Build_AAX=0 to switch on")
    endif()
    list(TRANSFORM definitions REPLACE "^JucePlugin_Build_AAX=0$" "JucePlugin_Build_AAX=1")
    set_property(TARGET ${shared_code_target} PROPERTY COMPILE_DEFINITIONS "${definitions}")

    # The one plug-in client unit in the shared code includes Debian's header, whose block then
    # announces with a #warning (itself pedantic in C++17) that it switches AAX off for that
    # unit, which uses nothing of AAX.
    get_target_property(module_path juce::juce_audio_plugin_client INTERFACE_JUCE_MODULE_PATH)
    set_source_files_properties("${module_path}/juce_audio_plugin_client/juce_audio_plugin_client_utils.cpp"
        TARGET_DIRECTORY ${shared_code_target}
        PROPERTIES COMPILE_OPTIONS "-Wno-cpp;-Wno-pedantic")
endfunction()

# quindle_add_aax_bundle(<shared code target>)
# Adds <shared code target>_AAX, a MODULE built like JUCE's own format targets: the format's
# wrapper unit with only JucePlugin_Build_AAX set, the shared code, and here the AAX library.
function(quindle_add_aax_bundle shared_code_target)
    quindle_juce_client_overlay(overlay_dir)
    quindle_enable_aax_in_shared_code(${shared_code_target})

    set(target ${shared_code_target}_AAX)
    # The wrapper unit is JUCE's, reached through the overlay so that its relative includes find
    # the overlay's settings header. It compiles only where it is told it is included from the
    # macOS unit or built for Windows; JUCE_INCLUDED_AAX_IN_MM says so here.
    set(wrapper_unit "${overlay_dir}/juce_audio_plugin_client/juce_audio_plugin_client_AAX.cpp")
    add_library(${target} MODULE "${wrapper_unit}" "${PROJECT_SOURCE_DIR}/aaxbundle/LinuxMessageLoop.cpp")
    # JUCE's wrapper is written for clang and MSVC, which it tells to accept its four-character
    # literals; GCC is told here, along with the sign conversions of its meter IDs. Its parameter
    # hash (getAAXParamHash) multiplies in int32, which overflows for every ID longer than six
    # characters: -fwrapv makes that the two's complement wrap the hash expects, so the values
    # stay as they are and the sanitizers' no-recover build does not stop every instance's
    # EffectInit.
    set_source_files_properties("${wrapper_unit}" PROPERTIES COMPILE_OPTIONS "-Wno-multichar;-Wno-sign-conversion;-fwrapv")

    # The same flags JUCE gives its format wrapper targets (JUCEModuleSupport.cmake).
    _juce_add_plugin_definitions(${target} PRIVATE AAX)
    target_compile_definitions(${target} PRIVATE
        JUCE_GLOBAL_MODULE_SETTINGS_INCLUDED=1
        "$<IF:$<CONFIG:Debug>,DEBUG=1;_DEBUG=1,NDEBUG=1;_NDEBUG=1>"
        JUCE_INCLUDED_AAX_IN_MM=1)

    target_include_directories(${target} BEFORE PRIVATE "${overlay_dir}")
    target_include_directories(${target} PRIVATE $<TARGET_PROPERTY:${shared_code_target},INCLUDE_DIRECTORIES>)
    target_link_libraries(${target} PRIVATE ${shared_code_target} AAXLibrary)

    set(product_name $<TARGET_PROPERTY:${shared_code_target},JUCE_PRODUCT_NAME>)
    set(products_folder $<GENEX_EVAL:$<TARGET_PROPERTY:${shared_code_target},LIBRARY_OUTPUT_DIRECTORY>>)
    set_target_properties(${target} PROPERTIES
        OUTPUT_NAME ${product_name}
        PREFIX ""
        SUFFIX .so
        LIBRARY_OUTPUT_DIRECTORY "${products_folder}/AAX/${product_name}.aaxplugin/Contents/${JUCE_TARGET_ARCHITECTURE}-linux"
        POSITION_INDEPENDENT_CODE TRUE
        VISIBILITY_INLINES_HIDDEN TRUE
        C_VISIBILITY_PRESET hidden
        CXX_VISIBILITY_PRESET hidden
        LINK_DEPENDS "${QUINDLE_AAX_EXPORTS_MAP}")

    # The static libraries inside keep their symbols' default visibility; the version script
    # leaves only the entry points global.
    target_link_options(${target} PRIVATE
        "-Wl,--no-undefined"
        "-Wl,--version-script=${QUINDLE_AAX_EXPORTS_MAP}")

    add_dependencies(${shared_code_target}_All ${target})
endfunction()
