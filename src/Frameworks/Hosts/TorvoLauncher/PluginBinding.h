#pragma once

#include <juce_core/juce_core.h>

//==============================================================================
/**
    Which program a plug-in takes the frameworks from. A Windows DLL imports
    them from the host program it was linked against, by that program's file
    name: loaded into another program, it would drag a second, never
    initialised copy of the frameworks in. An ELF plug-in binds to whichever
    program loads it.
*/
namespace pluginbinding
{
    /** The file name of another program the plug-in imports from, or an
        empty text when it may be loaded here. */
    juce::String findOtherHostProgram (const juce::File& pluginFile);
}
