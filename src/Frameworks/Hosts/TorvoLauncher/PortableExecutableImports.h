#pragma once

#include <juce_core/juce_core.h>

//==============================================================================
/**
    The names of the modules a Windows executable or DLL (a PE image) imports
    from, read from its import directory without loading it. Whatever the
    file holds is checked against its own size: a file that is no PE image,
    or whose tables point outside it, yields a failure, never a read beyond
    the bytes.
*/
namespace portableexecutable
{
    /** Reads the imported module names of an image held in memory. */
    juce::Result readImportedModules (const juce::MemoryBlock& image, juce::StringArray& moduleNames);
}
