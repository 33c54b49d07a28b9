// Compiles the framework's AAX wrapper, unchanged, against the library's headers: any name,
// signature or constness the wrapper needs and the headers lack fails this unit. Built as an
// object only; nothing links it.
#define JUCE_INCLUDED_AAX_IN_MM 1
#include <juce_audio_plugin_client/AAX/juce_AAX_Wrapper.cpp>
