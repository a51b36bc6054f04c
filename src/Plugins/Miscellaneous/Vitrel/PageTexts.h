#pragma once

#include <juce_core/juce_core.h>

// The texts the status pages draw, made from the host's status record.

namespace launcher
{

/** The IP page's second line: the connected adapter that nextTapCount selects
    (-1 counts as 0), one line per part between parentheses, or
    "No Network Adapter connected" when none is connected. */
juce::String adapterText (const juce::StringArray& connectedAdapters, int nextTapCount);

/** The project page's first line: the path's last part, shortened to its
    first 12 and last 15 characters around "..." when it is longer than 30. */
juce::String projectNameText (const juce::String& projectPath);

/** The project page's second line: the file's text before its last ".",
    empty when it has none. */
juce::String projectFileText (const juce::String& projectFile);

/** The system page's text: "Disk: " and the storage devices' names, one per line. */
juce::String diskText (const juce::StringArray& storageDeviceNames);

} // namespace launcher
