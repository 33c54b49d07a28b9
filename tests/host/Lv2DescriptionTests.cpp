// The LV2 description of the built bundle as an LV2 host reads it, with lilv: a host offers a
// discrete parameter's scale points by their labels and sets the point's value, a plain value in
// the parameter's range, which the plug-in turns into its own normalised value. Each point's
// value, given to the processor that way, must show that point's label.
//
// QUINDLE_LV2_BUNDLE, when set, names another copy of the bundle to read (e.g. the one build.sh
// installs in ~/.lv2).

#include "processor/ParameterIDs.h"
#include "tests/processor/ProcessorTestSupport.h"

#include <lilv/lilv.h>

#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace quindle::test::host
{
namespace
{
struct ScalePoint
{
    std::string label;
    float value = 0.0f;
};

struct DescribedParameter
{
    std::string label;
    float minimum = 0.0f, maximum = 0.0f;
    std::vector<ScalePoint> scalePoints;
};

std::string bundleFolder()
{
    if (const auto* other = std::getenv ("QUINDLE_LV2_BUNDLE"))
        return other;

    return QUINDLE_LV2_FOLDER "/Quindle.lv2";
}

/** The parameters the bundle describes for the plug-in, as lilv reads them. */
class Lv2Description
{
public:
    explicit Lv2Description (const std::string& folder)
    {
        const Node bundle (lilv_new_file_uri (world.get(), nullptr, (folder + "/").c_str()));
        lilv_world_load_bundle (world.get(), bundle.get());

        const Node plugin (uri (QUINDLE_LV2_URI));
        lilv_world_load_resource (world.get(), plugin.get());
    }

    std::vector<DescribedParameter> parameters() const
    {
        const Node type (uri (LILV_NS_RDF "type")), parameterClass (uri (LILV_NS_LV2 "Parameter")),
            label (uri (LILV_NS_RDFS "label")), value (uri (LILV_NS_RDF "value")),
            minimum (uri (LILV_NS_LV2 "minimum")), maximum (uri (LILV_NS_LV2 "maximum")),
            scalePoint (uri (LILV_NS_LV2 "scalePoint"));

        std::vector<DescribedParameter> result;
        const Nodes described (lilv_world_find_nodes (world.get(), nullptr, type.get(), parameterClass.get()));

        LILV_FOREACH (nodes, i, described.get())
        {
            const auto* parameter = lilv_nodes_get (described.get(), i);
            DescribedParameter d { text (parameter, label), number (parameter, minimum), number (parameter, maximum), {} };
            const Nodes points (lilv_world_find_nodes (world.get(), parameter, scalePoint.get(), nullptr));

            LILV_FOREACH (nodes, p, points.get())
            {
                const auto* point = lilv_nodes_get (points.get(), p);
                d.scalePoints.push_back ({ text (point, label), number (point, value) });
            }

            result.push_back (d);
        }

        return result;
    }

private:
    struct FreeWorld { void operator() (LilvWorld* w) const { lilv_world_free (w); } };
    struct FreeNode  { void operator() (LilvNode* n) const { lilv_node_free (n); } };
    struct FreeNodes { void operator() (LilvNodes* n) const { lilv_nodes_free (n); } };
    using Node = std::unique_ptr<LilvNode, FreeNode>;
    using Nodes = std::unique_ptr<LilvNodes, FreeNodes>;

    LilvNode* uri (const char* text) const { return lilv_new_uri (world.get(), text); }

    std::string text (const LilvNode* subject, const Node& predicate) const
    {
        const Node found (lilv_world_get (world.get(), subject, predicate.get(), nullptr));
        return found != nullptr ? lilv_node_as_string (found.get()) : "";
    }

    float number (const LilvNode* subject, const Node& predicate) const
    {
        const Node found (lilv_world_get (world.get(), subject, predicate.get(), nullptr));
        return found != nullptr ? lilv_node_as_float (found.get()) : -1.0e9f;
    }

    std::unique_ptr<LilvWorld, FreeWorld> world { lilv_world_new() };
};

juce::RangedAudioParameter* parameterNamed (QuindleAudioProcessor& processor, const std::string& name)
{
    for (auto* p : processor.getParameters())
        if (auto* ranged = dynamic_cast<juce::RangedAudioParameter*> (p); ranged != nullptr && ranged->getName (1024) == juce::String (name))
            return ranged;

    return nullptr;
}
} // namespace

TEST (Lv2Description, EveryScalePointsValueShowsItsLabelInTheProcessor)
{
    SCOPED_TRACE (bundleFolder());
    const auto described = Lv2Description (bundleFolder()).parameters();
    ASSERT_EQ (described.size(), ParameterIDs::inIndexOrder.size()) << "the bundle describes every parameter";

    auto processor = processor::makeProcessor();
    std::vector<std::string> withScalePoints;

    for (const auto& d : described)
    {
        SCOPED_TRACE (d.label);
        auto* parameter = parameterNamed (*processor, d.label);
        ASSERT_NE (parameter, nullptr);
        EXPECT_EQ (d.minimum, parameter->getNormalisableRange().start);
        EXPECT_EQ (d.maximum, parameter->getNormalisableRange().end);

        for (const auto& point : d.scalePoints)
        {
            SCOPED_TRACE (point.label);
            EXPECT_EQ (parameter->getText (parameter->convertTo0to1 (point.value), 1024), juce::String (point.label))
                << "the host sets " << point.value;
        }

        if (! d.scalePoints.empty())
            withScalePoints.push_back (d.label);
    }

    // The choice and the eight switches; the continuous parameters have none.
    EXPECT_EQ (withScalePoints.size(), 9u);
}

TEST (Lv2Description, TheMidSideChoicesArePlainIndices)
{
    for (const auto& d : Lv2Description (bundleFolder()).parameters())
    {
        if (d.label != "In M/S")
            continue;

        ASSERT_EQ (d.scalePoints.size(), 3u);
        std::map<std::string, float> values;

        for (const auto& point : d.scalePoints)
            values[point.label] = point.value;

        EXPECT_EQ (values, (std::map<std::string, float> { { "M and S", 0.0f }, { "M Solo", 1.0f }, { "S Solo", 2.0f } }));
        return;
    }

    FAIL() << "no \"In M/S\" in the description";
}
} // namespace quindle::test::host
