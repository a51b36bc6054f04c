#pragma once

#include <juce_core/juce_core.h>

//==============================================================================
/**
    Writes a whole file so that a reader sees either the old content or the
    new, never a part: the bytes go to a temporary file in the target's
    folder, which then takes the target's place in one rename.
*/
namespace atomicfiles
{
    /** Replaces (or creates) the target with the bytes; the error text says what failed. */
    juce::Result writeFile (const juce::File& target, const juce::MemoryBlock& bytes);

    /** Renames the temporary file over the target in one step, replacing it. */
    juce::Result replaceWith (const juce::File& temporary, const juce::File& target);
}
