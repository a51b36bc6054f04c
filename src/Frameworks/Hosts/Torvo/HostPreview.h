#pragma once

#include <pixcore/reference/FloatImage.h>
#include <juce_gui_basics/juce_gui_basics.h>

namespace gui::tav { class WineRepaintPump; }

//==============================================================================
/**
    The --preview window: the graded image, scaled to fit, with each grade's
    status line under it. Made, shown and fed on the message thread, which
    is then also the host's update thread.
*/
class HostPreview
{
public:
    /** Opens the window; with a snapshot file, what the window shows is saved
        there as a PNG each time it changes. */
    explicit HostPreview (const juce::File& snapshotFile);
    ~HostPreview();

    /** Shows a new image, or the same one with new status lines. */
    void show (const graphics::reference::FloatImage& image, const juce::StringArray& statusLines);

    /** True while the window is open; closing it asks the host to stop. */
    bool isOpen() const noexcept;

private:
    class Content;
    class Window;

    std::unique_ptr<gui::tav::WineRepaintPump> repaintPump;
    std::unique_ptr<Content> content;
    std::unique_ptr<Window> window;
    juce::File snapshotFile;

    void saveSnapshot();
};
