#include "tavview/Window.h"

namespace gui::tav
{

//==============================================================================
class Window::DesktopWindow : public juce::DocumentWindow
{
public:
    explicit DesktopWindow (const juce::String& name)
        : juce::DocumentWindow (name, juce::Colours::darkgrey, juce::DocumentWindow::closeButton, true)
    {
        setUsingNativeTitleBar (true);
    }

    void closeButtonPressed() override
    {
        if (auto* application = juce::JUCEApplicationBase::getInstance())
            application->systemRequestedQuit();
        else
            setVisible (false);
    }
};

//==============================================================================
Window::Window() = default;

Window::~Window()
{
    callDeinitializeWidget();
}

void Window::callInitializeWidget()
{
    if (desktopWindow != nullptr)
        return;

    desktopWindow = std::make_unique<DesktopWindow> (title);
    content = createContent();

    if (content != nullptr)
    {
        content->setParent (this);
        content->setSize (400, 300);
        desktopWindow->setContentNonOwned (content.get(), false);
        content->callInitializeWidget();
    }
}

void Window::callDeinitializeWidget()
{
    if (content != nullptr)
        content->callDeinitializeWidget();

    if (desktopWindow != nullptr)
        desktopWindow->clearContentComponent();

    desktopWindow = nullptr;
    content = nullptr;
}

void Window::setTitle (const juce::String& newTitle)
{
    title = newTitle;

    if (desktopWindow != nullptr)
        desktopWindow->setName (newTitle);
}

void Window::setVisibleOnTopMost()
{
    if (desktopWindow == nullptr)
        return;

    desktopWindow->setVisible (true);
    desktopWindow->setMinimised (false);
    desktopWindow->toFront (true);
}

} // namespace gui::tav
