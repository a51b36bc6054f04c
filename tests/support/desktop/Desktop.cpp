#include "Desktop.h"
#include "Waiting.h"

namespace desktop
{

WindowId waitForWindow (const juce::String& titlePattern, int timeoutMs, juce::uint64 processId, int pollIntervalMs)
{
    WindowId found = 0;
    waitUntil ([&]
               {
                   const auto windows = findWindows (titlePattern, processId);
                   found = windows.empty() ? 0 : windows.back();
                   return found != 0 && ! getBounds (found).isEmpty();
               },
               timeoutMs, pollIntervalMs);
    return found;
}

bool waitUntilGone (const juce::String& titlePattern, int timeoutMs, int pollIntervalMs)
{
    return waitUntil ([&] { return findWindows (titlePattern).empty(); }, timeoutMs, pollIntervalMs);
}

} // namespace desktop
