#include "editor/SectionLookAndFeel.h"

SectionLookAndFeel::SectionLookAndFeel (juce::Component& sectionToStyle, NorvaneLookAndFeel& ownVariant)
    : section (sectionToStyle),
      variant (ownVariant)
{
}

SectionLookAndFeel::~SectionLookAndFeel()
{
    detaching = true;
    section.setLookAndFeel (nullptr);
}

void SectionLookAndFeel::update()
{
    if (detaching)
        return;

    // Walks up the parents to the process default while the section has no look of its own.
    auto* inEffect = dynamic_cast<NorvaneLookAndFeel*> (&section.getLookAndFeel());

    if (inEffect == nullptr || inEffect == &variant)
        return;

    auto options = inEffect->getOptions();
    options.editorBackgroundColour = editingBackgroundColourId;
    variant.setOptions (options);

    // Notifies the section again, which then finds its own variant and stops.
    section.setLookAndFeel (&variant);
}
