#pragma once

#include <juce_core/juce_core.h>

#include <iostream>

/** Writes one diagnostic line to standard error and flushes it, in every build. Never called
    on the audio thread. */
inline void writeDiagnosticLine (const juce::String& text)
{
    std::cerr << text.toRawUTF8() << '\n' << std::flush;
}
