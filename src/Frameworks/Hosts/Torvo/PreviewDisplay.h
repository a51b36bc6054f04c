#pragma once

#include <juce_core/juce_core.h>

namespace previewdisplay
{
    /** True when a window can be shown; otherwise reason says why not. */
    bool isAvailable (juce::String& reason);
}
