#include "PageTexts.h"

namespace launcher
{

juce::String adapterText (const juce::StringArray& connectedAdapters, int nextTapCount)
{
    if (connectedAdapters.isEmpty())
        return "No Network Adapter connected";

    // The tap count only grows, so past its range it wraps to negative values; any of those selects the first.
    const int taps = juce::jmax (0, nextTapCount);
    return connectedAdapters[taps % connectedAdapters.size()].replaceCharacters ("()", "\n\n");
}

juce::String projectNameText (const juce::String& projectPath)
{
    constexpr int longest = 30, head = 12, tail = 15;
    const auto name = projectPath.fromLastOccurrenceOf ("/", false, false);

    if (name.length() <= longest)
        return name;

    return name.substring (0, head) + "..." + name.substring (name.length() - tail);
}

juce::String projectFileText (const juce::String& projectFile)
{
    const int dot = projectFile.lastIndexOfChar ('.');
    return dot < 0 ? juce::String() : projectFile.substring (0, dot);
}

juce::String diskText (const juce::StringArray& storageDeviceNames)
{
    return "Disk: " + storageDeviceNames.joinIntoString ("\n");
}

} // namespace launcher
