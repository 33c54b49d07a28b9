#pragma once

// What the fuzz targets that make processors share: the processor's surroundings, set up once
// per process, and its diagnostic lines, kept from the terminal.

#include "tests/fuzz/FuzzCheck.h"

#include <juce_events/juce_events.h>

#include <filesystem>
#include <iostream>
#include <sstream>

namespace quindle::test::fuzz
{
/** What the processor writes to std::cerr (its diagnostic lines), kept from the terminal. The
    fuzzer's own reports and the sanitizers' go to the standard error stream's file directly. */
inline std::ostringstream& diagnosticLines()
{
    static std::ostringstream lines;
    return lines;
}

/** HOME in the build tree, no display, JUCE's message manager: what a processor needs, set up
    once. JUCE stays up until the process ends, as libFuzzer may end it from anywhere. */
inline void setUpForProcessors()
{
    std::filesystem::create_directories (QUINDLE_FUZZ_HOME);
    setenv ("HOME", QUINDLE_FUZZ_HOME, 1);
    unsetenv ("DISPLAY");
    std::cerr.rdbuf (diagnosticLines().rdbuf());
    static const auto* juce = new juce::ScopedJuceInitialiser_GUI();
    juce::ignoreUnused (juce);
}

/** The diagnostic lines written since the last call. */
inline std::string takeDiagnosticLines()
{
    auto lines = diagnosticLines().str();
    diagnosticLines().str ({});
    return lines;
}
} // namespace quindle::test::fuzz
