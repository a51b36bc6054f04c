#include "PreviewDisplay.h"

namespace previewdisplay
{

bool isAvailable (juce::String&)
{
    // A Windows desktop always has a display to show a window on.
    return true;
}

} // namespace previewdisplay
