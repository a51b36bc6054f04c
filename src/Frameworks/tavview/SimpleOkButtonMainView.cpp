#include "tavview/SimpleOkButtonMainView.h"

#include "tavview/PelloThread.h"
#include "tavview/WidgetCreation.h"

namespace gui::tav
{

namespace
{
    /** The PNG of the running program's class attribute "toolbarLogo", or an
        invalid image when the program has none. */
    juce::Image loadProgramToolbarLogo()
    {
        auto* thread = PelloThread::get();
        auto* program = thread != nullptr ? thread->getProgram() : nullptr;
        const auto* programClass = program != nullptr ? program->getClass() : nullptr;

        if (programClass == nullptr || programClass->getAttribute ("toolbarLogo") == nullptr)
            return {};

        const auto logo = programClass->getBufferAttribute ("toolbarLogo", &::tav::ExecutionContext::get());

        if (logo.size == 0)
            return {};

        auto image = juce::ImageFileFormat::loadFrom (logo.data, logo.size);

        if (! image.isValid())
            ::tav::ExecutionContext::get().error (programClass->getName() + ": the tool bar logo is no image");

        return image;
    }
}

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
    toolbarLogo = loadProgramToolbarLogo();

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
    toolbarLogoBounds = toolbarLogo.isValid() ? juce::Rectangle<int> (toolbarLogo.getWidth(), toolbarLogo.getHeight())
                                                    .withPosition (bottom.getX(), bottom.getCentreY() - toolbarLogo.getHeight() / 2)
                                              : juce::Rectangle<int>();

    if (mainWidget != nullptr)
        mainWidget->setBounds (area.reduced (4));
}

void SimpleOkButtonMainView::paint (juce::Graphics& g)
{
    g.fillAll (getLookAndFeel().findColour (juce::ResizableWindow::backgroundColourId));

    if (toolbarLogo.isValid())
        g.drawImageAt (toolbarLogo, toolbarLogoBounds.getX(), toolbarLogoBounds.getY());
}

} // namespace gui::tav
