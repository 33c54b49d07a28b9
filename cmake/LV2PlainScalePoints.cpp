// Rewrites the scale points of the LV2 description that JUCE 7.0.5's helper writes (dsp.ttl) in
// plain values. JUCE writes each scale point's normalised value (0, 0.5, 1 for a choice of
// three), while the parameter's LV2 range, and every value a host sends, are plain (0 to 2):
// a host offering "M Solo" from the labels would set 0.5. A value v of a parameter with range
// [minimum, maximum] becomes minimum + v * (maximum - minimum), which is the plain value of a
// linear range; JUCE writes scale points only for discrete parameters, whose ranges are linear.
//
// Usage: LV2PlainScalePoints <dsp.ttl>. Rewrites the file in place and marks it, so a second run
// on the same file changes nothing. Fails (exit code 1) on a description it does not understand.

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace
{
const std::string marker = "# Scale point values are plain (rewritten after JUCE's LV2 helper).";

/** The number after `key` when `line` is that key's statement, e.g. "\tlv2:minimum 0 ;". */
std::optional<double> numberAfter (const std::string& line, const std::string& key)
{
    const auto at = line.find (key + " ");

    if (at == std::string::npos || line.find_first_not_of ('\t') != at)
        return std::nullopt;

    const auto* start = line.c_str() + at + key.size() + 1;
    char* end = nullptr;
    const auto value = std::strtod (start, &end);
    return end != start ? std::optional<double> (value) : std::nullopt;
}

std::string plainText (double value)
{
    char text[32];
    std::snprintf (text, sizeof (text), "%.9g", value);
    return text;
}

bool fail (const std::string& path, const std::string& why)
{
    std::cerr << path << ": " << why << "\n";
    return false;
}

bool rewrite (const std::string& path)
{
    std::ifstream in (path);

    if (! in)
        return fail (path, "cannot be read");

    std::vector<std::string> lines;

    for (std::string line; std::getline (in, line);)
    {
        if (line == marker)
            return true;

        lines.push_back (line);
    }

    std::optional<double> minimum, maximum;
    int rewritten = 0;

    for (auto& line : lines)
    {
        if (line.find ("a lv2:Parameter") != std::string::npos)
            minimum = maximum = std::nullopt;
        else if (const auto min = numberAfter (line, "lv2:minimum"))
            minimum = min;
        else if (const auto max = numberAfter (line, "lv2:maximum"))
            maximum = max;
        else if (const auto value = numberAfter (line, "rdf:value"))
        {
            if (! minimum || ! maximum)
                return fail (path, "a scale point of a parameter without a range");

            if (*value < 0.0 || *value > 1.0)
                return fail (path, "a scale point value that is not normalised: " + line);

            const auto at = line.find ("rdf:value ") + 10;
            const auto end = line.find (' ', at);
            line.replace (at, end - at, plainText (*minimum + *value * (*maximum - *minimum)));
            ++rewritten;
        }
    }

    if (rewritten == 0)
        return fail (path, "no scale points found");

    std::ostringstream out;
    out << marker << "\n";

    for (const auto& line : lines)
        out << line << "\n";

    std::ofstream (path, std::ios::trunc) << out.str();
    return true;
}
} // namespace

int main (int argc, char** argv)
{
    if (argc != 2)
    {
        std::cerr << "usage: LV2PlainScalePoints <dsp.ttl>\n";
        return 1;
    }

    return rewrite (argv[1]) ? 0 : 1;
}
