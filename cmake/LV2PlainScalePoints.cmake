# JUCE 7.0.5's LV2 helper writes each scale point of dsp.ttl with its normalised value, while LV2
# hosts read scale points, like every parameter value, as plain values in the parameter's range.
# quindle_lv2_plain_scale_points(<lv2 target>) rewrites them (LV2PlainScalePoints.cpp) right after
# the helper has written the description, so the bundle of every build, and every copy of it that
# build.sh installs, carries plain values. JUCE's own files stay as Debian ships them.
function(quindle_lv2_plain_scale_points lv2_target)
    add_executable(quindle_lv2_plain_scale_points "${CMAKE_CURRENT_FUNCTION_LIST_DIR}/LV2PlainScalePoints.cpp")
    target_compile_features(quindle_lv2_plain_scale_points PRIVATE cxx_std_17)

    # Build-event commands run in the order they were added: JUCE's helper was added with the target.
    add_custom_command(TARGET ${lv2_target} POST_BUILD
        COMMAND quindle_lv2_plain_scale_points "$<TARGET_FILE_DIR:${lv2_target}>/dsp.ttl"
        VERBATIM)
endfunction()
