#pragma once

#include <juce_core/juce_core.h>

namespace tav
{

//==============================================================================
/** File names of the platform's binaries. */
struct DynamicallyLinkedLibrary
{
    /** What a binary is. */
    enum Kind
    {
        sharedLibrary = 0,
        executable = 1
    };

    /** The file name extension of a kind of binary: ".dll"/".exe" on Windows,
        ".so"/"" on Linux; withDot false leaves out the dot. */
    static juce::String getFileNameExtension (int kind, bool withDot);

    /** The file name of a binary from its plain name: "tavcore" gives
        "tavcore.dll" on Windows and "libtavcore.so" on Linux. With
        withExtension false the extension is left out. */
    static juce::String getFullNameFromReducedName (const juce::String& reducedName, int kind, bool withExtension);
};

} // namespace tav
