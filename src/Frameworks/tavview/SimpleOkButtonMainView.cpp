#include "tavview/SimpleOkButtonMainView.h"

#include "tavview/WidgetCreation.h"

namespace gui::tav
{

SimpleOkButtonMainView::SimpleOkButtonMainView()
{
    okButton.onClick = [this] { okButtonClicked(); };
    addAndMakeVisible (okButton);
}

SimpleOkButtonMainView::~SimpleOkButtonMainView()
{
    deinitializeWidget();
}

void SimpleOkButtonMainView::initializeWidget()
{
    const auto* viewClass = getClass();

    if (const auto* titleBarClass = viewClass != nullptr ? viewClass->getAttribute ("titleBar") : nullptr)
        titleBar = createObjectOfClass<Widget> (titleBarClass->getText(), "a title bar");

    mainWidget = createMainWidget();

    for (auto* part : { titleBar.get(), mainWidget.get() })
    {
        if (part != nullptr)
        {
            part->setParent (this);
            addChildWidget (*part);
        }
    }

    resized();
}

void SimpleOkButtonMainView::deinitializeWidget()
{
    for (auto* part : { titleBar.get(), mainWidget.get() })
        if (part != nullptr)
            removeChildWidget (*part);

    titleBar = nullptr;
    mainWidget = nullptr;
}

void SimpleOkButtonMainView::okButtonClicked()
{
    if (auto* application = juce::JUCEApplicationBase::getInstance())
        application->systemRequestedQuit();
}

void SimpleOkButtonMainView::resized()
{
    auto area = getLocalBounds();

    if (titleBar != nullptr)
        titleBar->setBounds (area.removeFromTop (titleBarHeight));

    auto bottom = area.removeFromBottom (40).reduced (8, 6);
    okButton.setBounds (bottom.removeFromRight (90));

    if (mainWidget != nullptr)
        mainWidget->setBounds (area.reduced (4));
}

void SimpleOkButtonMainView::paint (juce::Graphics& g)
{
    g.fillAll (getLookAndFeel().findColour (juce::ResizableWindow::backgroundColourId));
}

} // namespace gui::tav
