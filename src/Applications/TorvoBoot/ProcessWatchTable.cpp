#include "ProcessWatchTable.h"

void ProcessWatchTable::watch (juce::uint64 processId, os::ProcessHandle handle)
{
    // Replacing closes the earlier handle.
    if (handle.isValid())
        handles.insert_or_assign (processId, std::move (handle));
    else
        handles.erase (processId);
}

void ProcessWatchTable::forget (juce::uint64 processId)
{
    handles.erase (processId);
}

bool ProcessWatchTable::isRunning (juce::uint64 processId)
{
    const auto it = handles.find (processId);

    if (it == handles.end())
        return false;

    if (! it->second.hasEnded())
        return true;

    handles.erase (it);
    return false;
}

bool ProcessWatchTable::isWatching (juce::uint64 processId) const
{
    return handles.count (processId) != 0;
}
