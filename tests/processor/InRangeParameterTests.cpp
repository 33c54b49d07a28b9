// A host may send a parameter any float. The processor's parameters take every value in 0..1 as
// the framework's own classes do, keep their value for one that is not finite, and hold any other
// at the nearer end; after such a value every listener hears what the parameter holds.

#include "tests/processor/ProcessorTestSupport.h"
#include "processor/InRangeParameter.h"
#include "processor/ParameterIDs.h"

#include <cmath>
#include <limits>
#include <memory>
#include <utility>
#include <vector>

namespace quindle::test::processor
{
namespace
{
constexpr auto infinity = std::numeric_limits<float>::infinity();
constexpr auto notANumber = std::numeric_limits<float>::quiet_NaN();

/** The framework's class and the guarded one, built alike. */
struct Twins
{
    const char* kind;
    std::unique_ptr<juce::RangedAudioParameter> framework, guarded;
};

template <typename Parameter, typename... Args>
Twins twinsOf (const char* kind, const Args&... args)
{
    return { kind, std::make_unique<Parameter> (args...), std::make_unique<InRangeParameter<Parameter>> (args...) };
}

std::vector<Twins> twinsOfEveryKind()
{
    std::vector<Twins> twins;
    twins.push_back (twinsOf<juce::AudioParameterFloat> ("float", juce::ParameterID { "f", 1 }, "F", juce::NormalisableRange<float> (9.0f, 999.0f, 1.0f), 9.0f));
    twins.push_back (twinsOf<juce::AudioParameterBool> ("bool", juce::ParameterID { "b", 1 }, "B", true));
    twins.push_back (twinsOf<juce::AudioParameterChoice> ("choice", juce::ParameterID { "c", 1 }, "C", juce::StringArray { "x", "y", "z" }, 0));
    twins.push_back (twinsOf<juce::AudioParameterInt> ("int", juce::ParameterID { "i", 1 }, "I", -100, 100, 0));
    return twins;
}

/** What the framework's own readers of each class give: they read the stored value directly. */
float frameworkReading (juce::RangedAudioParameter& p)
{
    if (auto* f = dynamic_cast<juce::AudioParameterFloat*> (&p))  return f->get();
    if (auto* b = dynamic_cast<juce::AudioParameterBool*> (&p))   return b->get() ? 1.0f : 0.0f;
    if (auto* c = dynamic_cast<juce::AudioParameterChoice*> (&p)) return static_cast<float> (c->getIndex());
    if (auto* i = dynamic_cast<juce::AudioParameterInt*> (&p))    return static_cast<float> (i->get());
    return notANumber;
}

/** Hears every announcement, as a wrapper and an editor control do. */
struct Announcements : juce::AudioProcessorListener, juce::AudioProcessorParameter::Listener
{
    void audioProcessorParameterChanged (juce::AudioProcessor*, int, float value) override { heardByTheProcessor.push_back (value); }
    void audioProcessorChanged (juce::AudioProcessor*, const ChangeDetails&) override {}
    void parameterValueChanged (int, float value) override { heardByTheParameter.push_back (value); }
    void parameterGestureChanged (int, bool) override {}

    std::vector<float> heardByTheProcessor, heardByTheParameter;
};
} // namespace

TEST (InRangeParameter, StoresEveryValueInZeroToOneAsTheFrameworkDoes)
{
    const float inRange[] { 0.0f, -0.0f, 1.0e-40f, 0.001f, 0.25f, 0.3f, 1.0f / 3.0f, 0.5f, 0.7071f, std::nextafter (1.0f, 0.0f), 1.0f };

    for (auto& twins : twinsOfEveryKind())
    {
        for (const auto value : inRange)
        {
            SCOPED_TRACE (std::string (twins.kind) + " at " + std::to_string (value));
            twins.framework->setValueNotifyingHost (value);
            twins.guarded->setValueNotifyingHost (value);

            EXPECT_EQ (twins.guarded->getValue(), twins.framework->getValue());
            EXPECT_EQ (frameworkReading (*twins.guarded), frameworkReading (*twins.framework));
            EXPECT_EQ (twins.guarded->getCurrentValueAsText(), twins.framework->getCurrentValueAsText());
            EXPECT_EQ (twins.guarded->convertFrom0to1 (value), twins.framework->convertFrom0to1 (value));
        }

        // Plain values, as an LV2 host sends them: within, between steps and beyond the range.
        const auto& range = twins.framework->getNormalisableRange();
        const auto span = range.end - range.start;

        for (const auto share : { -1.0f, -0.001f, 0.0f, 0.0123f, 0.3f, 0.5f, 0.777f, 1.0f, 2.0f })
        {
            const auto plainValue = range.start + share * span;
            SCOPED_TRACE (std::string (twins.kind) + " at plain " + std::to_string (plainValue));
            EXPECT_EQ (twins.guarded->convertTo0to1 (plainValue), twins.framework->convertTo0to1 (plainValue));
        }
    }
}

TEST (InRangeParameter, KeepsItsValueForOneNotFiniteAndHoldsAnyOtherAtTheNearerEnd)
{
    struct Case { const char* name; float hostValue; };
    const Case cases[] {
        { "NaN", notANumber }, { "+inf", infinity }, { "-inf", -infinity },
        { "-1", -1.0f }, { "2", 2.0f }, { "just below 0", -1.0e-7f }, { "largest float", std::numeric_limits<float>::max() },
    };

    const auto processor = makeProcessor();

    for (auto* parameter : processor->getParameters())
    {
        auto& p = dynamic_cast<juce::RangedAudioParameter&> (*parameter);

        for (const auto& c : cases)
        {
            SCOPED_TRACE (p.getParameterID().toStdString() + " set to " + c.name);
            p.setValueNotifyingHost (0.75f);
            const auto present = p.getValue();
            const auto presentReading = frameworkReading (p);

            p.setValueNotifyingHost (c.hostValue);

            if (! std::isfinite (c.hostValue))
            {
                EXPECT_EQ (p.getValue(), present);
                EXPECT_EQ (frameworkReading (p), presentReading);
            }
            else
            {
                const auto end = c.hostValue < 0.0f ? 0.0f : 1.0f;
                EXPECT_EQ (p.getValue(), end) << "a switch reads back as 0 or 1, never as the host's number";
                EXPECT_EQ (frameworkReading (p), p.convertFrom0to1 (end));
            }
        }
    }
}

TEST (InRangeParameter, APlainValueNotFiniteStandsForThePresentValue)
{
    // An LV2 host sends plain values, which the framework converts with the parameter's range; a
    // NaN the framework converts back (a control told of a host's NaN, a host asking for its
    // text) must show the present value too, not NaN or the first choice.
    const auto processor = makeProcessor();

    for (auto* parameter : processor->getParameters())
    {
        auto& p = dynamic_cast<juce::RangedAudioParameter&> (*parameter);
        SCOPED_TRACE (p.getParameterID().toStdString());
        p.setValueNotifyingHost (p.convertTo0to1 (p.convertFrom0to1 (0.6f))); // a value of the range: "M Solo", on, 120 %, ...
        const auto present = p.getValue();

        for (const auto plainValue : { notANumber, infinity, -infinity })
            EXPECT_EQ (p.convertTo0to1 (plainValue), present) << plainValue;

        EXPECT_EQ (p.convertTo0to1 (p.convertFrom0to1 (notANumber)), present);

        // A switch's text is the framework's reading of the number itself (NaN is off); the
        // others convert it with the range (and a choice's conversion to an index would be
        // undefined for a NaN).
        if (! p.isBoolean())
        {
            EXPECT_EQ (p.getText (notANumber, 100), p.getCurrentValueAsText());
        }
    }
}

TEST (InRangeParameter, EveryListenerHearsTheHeldValueLast)
{
    // The road of every format's wrapper: setValue, then the host's value announced as it came.
    const auto processor = makeProcessor();
    auto& width = parameter (*processor, ParameterIDs::width);
    width.setValueNotifyingHost (0.25f);

    Announcements heard;
    processor->addListener (&heard);
    width.addListener (&heard);

    struct Case { const char* name; float hostValue; float held; };
    const Case cases[] { { "NaN", notANumber, 0.25f }, { "+inf", infinity, 0.25f }, { "2", 2.0f, 1.0f }, { "-1", -1.0f, 0.0f } };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        heard.heardByTheProcessor.clear();
        heard.heardByTheParameter.clear();

        width.setValueNotifyingHost (c.hostValue);

        ASSERT_FALSE (heard.heardByTheProcessor.empty());
        ASSERT_FALSE (heard.heardByTheParameter.empty());
        EXPECT_EQ (heard.heardByTheProcessor.back(), c.held);
        EXPECT_EQ (heard.heardByTheParameter.back(), c.held);
    }

    // A value in range is announced once, as it came, and nothing more.
    heard.heardByTheProcessor.clear();
    heard.heardByTheParameter.clear();
    width.setValueNotifyingHost (0.503f);
    EXPECT_EQ (heard.heardByTheProcessor, std::vector<float> { 0.503f });
    EXPECT_EQ (heard.heardByTheParameter, std::vector<float> { 0.503f });

    width.removeListener (&heard);
    processor->removeListener (&heard);
}
} // namespace quindle::test::processor
