// Each of the 13 parameters, changed by the host, moves the control the editor bound to it and
// no other: a parameter bound twice, or to the wrong control, shows up here.

#include "EditorTestSupport.h"

#include <map>

using namespace editortest;

namespace
{
/** What every slider and button of the editor shows, by component. */
std::map<juce::Component*, double> shownValues (juce::Component& root)
{
    std::map<juce::Component*, double> shown;

    forEachComponent (root, [&] (juce::Component& c)
    {
        if (auto* slider = dynamic_cast<juce::Slider*> (&c))
            shown[&c] = slider->getValue();
        else if (auto* button = dynamic_cast<juce::Button*> (&c))
            shown[&c] = button->getToggleState() ? 1.0 : 0.0;
    });

    return shown;
}

juce::String describe (juce::Component& c)
{
    return c.getName().isNotEmpty() ? c.getName() : juce::String (typeid (c).name());
}
} // namespace

class EditorBindings : public SettingsFileTest {};

TEST_F (EditorBindings, EachParameterChangedByTheHostMovesOnlyTheControlTaggedWithIt)
{
    OpenEditor open;
    auto& editor = open.editor();

    for (const auto* id : ParameterIDs::inIndexOrder)
    {
        SCOPED_TRACE (id);
        auto& parameter = open.parameter (id);

        const auto before = shownValues (editor);
        // As far from the default as the range goes ("S Solo" for the M/S choice).
        parameter.setValueNotifyingHost (parameter.getDefaultValue() < 0.5f ? 1.0f : 0.0f);
        const auto after = shownValues (editor);

        int moved = 0;

        for (const auto& [component, value] : after)
        {
            if (value != before.at (component))
            {
                ++moved;
                EXPECT_EQ (editor.getControlParameterIndex (*component), parameter.getParameterIndex())
                    << describe (*component) << " moved, but stands for another parameter";
            }
        }

        EXPECT_EQ (moved, 1);
        parameter.setValueNotifyingHost (parameter.getDefaultValue());
    }
}
