#pragma once

#include "tavview/Window.h"

namespace gui::tav
{

//==============================================================================
/** A window of its own on the desktop (not owned by another window), which
    the program places itself. */
class TopWindow : public Window
{
public:
    juce::String getClassName() const override    { return "TopWindow"; }

    /** Gives the window's content area the size width by height, centred in
        the usable area of the primary display, and shows the window. */
    void setCenterToPrimaryDisplayBounds (int width, int height);
};

} // namespace gui::tav
