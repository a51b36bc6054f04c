#include "FrontPanelView.h"
#include "tavview/WineRepaintPump.h"

#include <juce_gui_basics/juce_gui_basics.h>

namespace
{

/** The panel file: --panel=FILE, else the file FTD2XX_SIM_PANEL names, as the simulated display does. */
juce::String panelPath (const juce::StringArray& arguments)
{
    for (const auto& argument : arguments)
        if (argument.startsWith ("--panel="))
            return argument.fromFirstOccurrenceOf ("=", false, false);

    return juce::SystemStats::getEnvironmentVariable ("FTD2XX_SIM_PANEL", {});
}

//==============================================================================
/** The viewer's one window; closing it ends the program. */
class FrontPanelWindow : public juce::DocumentWindow
{
public:
    explicit FrontPanelWindow (const juce::String& path)
        : juce::DocumentWindow ("Front panel", juce::Colours::black, juce::DocumentWindow::closeButton)
    {
        setUsingNativeTitleBar (true);
        setContentOwned (new FrontPanelView (path), true);
        setResizable (false, false);
        centreWithSize (getWidth(), getHeight());
        setVisible (true);
    }

    void closeButtonPressed() override
    {
        juce::JUCEApplicationBase::quit();
    }
};

//==============================================================================
class FrontPanelApplication : public juce::JUCEApplication
{
public:
    const juce::String getApplicationName() override     { return "front-panel"; }
    const juce::String getApplicationVersion() override  { return "1.0.0"; }
    bool moreThanOneInstanceAllowed() override            { return true; }

    void initialise (const juce::String&) override
    {
        const auto path = panelPath (getCommandLineParameterArray());

        if (path.isEmpty())
        {
            std::fprintf (stderr, "usage: front-panel [--panel=FILE]  (or set FTD2XX_SIM_PANEL to the display's panel file)\n");
            setApplicationReturnValue (2);
            quit();
            return;
        }

        window = std::make_unique<FrontPanelWindow> (path);
        repaintPump = gui::tav::WineRepaintPump::createIfNeeded();
    }

    void shutdown() override
    {
        repaintPump.reset();
        window.reset();
    }

private:
    std::unique_ptr<FrontPanelWindow> window;
    std::unique_ptr<gui::tav::WineRepaintPump> repaintPump;
};

} // namespace

int main (int argc, char* argv[])
{
    juce::JUCEApplicationBase::createInstance = [] () -> juce::JUCEApplicationBase* { return new FrontPanelApplication; };
    return juce::JUCEApplicationBase::main (argc, const_cast<const char**> (argv));
}
