#pragma once

#include <juce_core/juce_core.h>

namespace os::testing
{

/** Makes process discovery's next reads of one process's command line come
    back empty, as they do for a moment after a process has started; lets a
    test stretch that moment at will. For tests only. */
void hideCommandLineForReads (juce::uint64 processId, int reads);

} // namespace os::testing
