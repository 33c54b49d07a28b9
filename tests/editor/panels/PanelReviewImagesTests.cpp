// The overlay and the three panels at the design size, painted headless as the
// editor shows them and written as PNGs for a reviewer. Every text is in the embedded font.

#include "tests/editor/panels/PanelTestSupport.h"

#include <functional>

namespace quindle::test::editor
{
namespace
{
void forEachLabel (juce::Component& root, const std::function<void (juce::Label&)>& visit)
{
    if (auto* label = dynamic_cast<juce::Label*> (&root))
        visit (*label);

    for (auto* child : root.getChildren())
        forEachLabel (*child, visit);
}

void expectLabelsInTheEmbeddedFont (juce::Component& panel)
{
    int labels = 0;

    forEachLabel (panel, [&] (juce::Label& label)
    {
        ++labels;
        SCOPED_TRACE (label.getText().toStdString());
        EXPECT_TRUE (kit::isEmbeddedTypeface (label.getFont()));
    });

    EXPECT_GT (labels, 0);
}

constexpr float reviewScale = 2.0f;
} // namespace

TEST (PanelReviewImages, OverlayAndPanelsAtTheDesignSize)
{
    Panels panels;
    panels.set (ParameterIDs::inputMidSide, 1.0f);   // "M Solo"
    panels.set (ParameterIDs::phaseFlipRight, 1.0f);
    panels.set (ParameterIDs::balance, -30.0f);
    panels.set (ParameterIDs::width, 1.5f);
    panels.set (ParameterIDs::monoFreq, 120.0f);
    panels.set (ParameterIDs::outputGain, -4.5f);
    panels.set (ParameterIDs::monoCheck, 1.0f);

    // The input section's buttons draw their texts themselves; it has no labels.
    struct Case { const char* fileName; juce::Component& panel; bool hasLabels; };
    const Case cases[] = {
        { "panels-info.png",   panels.info,   true },
        { "panels-left.png",   panels.left,   false },
        { "panels-middle.png", panels.middle, true },
        { "panels-right.png",  panels.right,  true },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.fileName);
        if (c.hasLabels)
            expectLabelsInTheEmbeddedFont (c.panel);

        const auto image = c.panel.createComponentSnapshot (c.panel.getLocalBounds(), true, reviewScale);
        EXPECT_TRUE (kit::writeReviewImage (image, c.fileName));
    }
}
} // namespace quindle::test::editor
