#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

namespace gui::tav
{

//==============================================================================
/**
    Keeps every window repainting under Wine.

    On Windows JUCE hands a window's pending repaints to the system from a
    thread that waits for each vertical blank of the display. Wine's
    IDXGIOutput::WaitForVBlank is a stub, so under Wine a window paints once
    and then never again. While a pump exists, a 60 Hz timer on the message
    thread flushes every window's pending repaints itself.

    Create it on the message thread with createIfNeeded() and keep it for as
    long as windows are shown.
*/
class WineRepaintPump : private juce::Timer
{
public:
    /** Starts flushing repaints at 60 Hz. */
    WineRepaintPump();

    /** Stops the flushing. */
    ~WineRepaintPump() override;

    /** A running pump when this process runs under Wine, nullptr elsewhere,
        where JUCE's own repaints work. */
    static std::unique_ptr<WineRepaintPump> createIfNeeded();

private:
    void timerCallback() override;

    JUCE_DECLARE_NON_COPYABLE (WineRepaintPump)
};

} // namespace gui::tav
