#include "PreviewDisplay.h"
#include <cstdlib>

namespace previewdisplay
{

bool isAvailable (juce::String& reason)
{
    // JUCE draws through X; without a server it cannot open a window at all.
    const auto* display = std::getenv ("DISPLAY");

    if (display != nullptr && *display != 0)
        return true;

    reason = "DISPLAY is not set";
    return false;
}

} // namespace previewdisplay
