// Each of the 13 parameters, changed by the host, moves the control the editor bound to it and
// no other: a parameter bound twice, or to the wrong control, shows up here. A value no host
// should send leaves the parameter in its range and the message thread running.

#include "tests/editor/shell/EditorTestSupport.h"
#include "tests/common/NonFiniteNumbers.h"
#include "tests/common/Watchdog.h"

#include <cmath>
#include <limits>
#include <map>
#include <thread>

namespace quindle::test::editor
{
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

TEST_F (EditorBindings, AValueNoHostShouldSendKeepsTheParameterInRangeAndTheMessageThreadRunning)
{
    // A float, a switch, the choice and the int. The controls would chase a NaN from one message
    // to the next for ever; the parameter keeps its value for a number that is not finite, takes
    // the nearer end of 0..1 for any other, and the controls show what it holds.
    const char* ids[] { ParameterIDs::width, ParameterIDs::inputMono, ParameterIDs::inputMidSide, ParameterIDs::balance };
    constexpr auto infinity = std::numeric_limits<float>::infinity();
    const float hostValues[] { std::numeric_limits<float>::quiet_NaN(), infinity, -infinity, -1.0f, 2.0f };

    for (const auto* id : ids)
    {
        OpenEditor open;
        auto& parameter = open.parameter (id);

        for (const auto hostValue : hostValues)
        {
            for (const bool fromAnotherThread : { false, true })
            {
                const auto what = std::string (id) + " set to " + std::to_string (hostValue)
                                + (fromAnotherThread ? " from another thread" : " on the message thread");
                SCOPED_TRACE (what);

                parameter.setValueNotifyingHost (0.25f);
                dispatchPendingMessages();
                const auto present = parameter.getValue();

                {
                    const Watchdog watchdog ("the message loop after " + what);

                    if (fromAnotherThread)
                        std::thread ([&] { parameter.setValueNotifyingHost (hostValue); }).join();
                    else
                        parameter.setValueNotifyingHost (hostValue);

                    dispatchPendingMessages();
                }

                const auto expected = std::isfinite (hostValue) ? juce::jlimit (0.0f, 1.0f, hostValue) : present;
                EXPECT_EQ (parameter.getValue(), expected);

                // What the editor shows is what it shows for the held value sent in the usual way.
                const auto shown = shownValues (open.editor());
                parameter.setValueNotifyingHost (parameter.getValue());
                dispatchPendingMessages();
                EXPECT_EQ (shown, shownValues (open.editor()));

                EXPECT_EQ (nonFiniteNumberIn (processor::treeOf (processor::saveState (*open.processor))), "");
            }
        }
    }
}
} // namespace quindle::test::editor
