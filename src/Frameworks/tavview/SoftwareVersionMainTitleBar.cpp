#include "tavview/SoftwareVersionMainTitleBar.h"

#include "tavview/PelloThread.h"

namespace gui::tav
{

SoftwareVersionMainTitleBar::SoftwareVersionMainTitleBar()
{
    leftPart.setParent (this);
    addChildWidget (leftPart);
}

SoftwareVersionMainTitleBar::~SoftwareVersionMainTitleBar()
{
    removeChildWidget (leftPart);
}

juce::String SoftwareVersionMainTitleBar::getSoftwareVersionText()
{
    auto* thread = PelloThread::get();
    auto* program = thread != nullptr ? thread->getProgram() : nullptr;

    if (program == nullptr)
        return {};

    return program->getVersion().getName() + " " + program->getVersion().getVersionNumberText();
}

void SoftwareVersionMainTitleBar::initializeWidget()
{
    populateLeftPart (leftPart);
    resized();
}

void SoftwareVersionMainTitleBar::resized()
{
    leftPart.setBounds (getLocalBounds().reduced (4).withWidth (getWidth() / 2));
}

void SoftwareVersionMainTitleBar::paint (juce::Graphics& g)
{
    if (! isFlat())
        g.fillAll (juce::Colour (0xff2b2f36));

    g.setColour (juce::Colours::white);
    g.setFont (15.0f);
    g.drawText (getSoftwareVersionText(), getLocalBounds().reduced (10, 0), juce::Justification::centredRight);
}

} // namespace gui::tav
