#pragma once

#include "tavcore/Object.h"

namespace tav
{

//==============================================================================
/**
    Saves objects to state text files and loads them back.

    Saving writes a temporary file beside the target and renames it over the
    target, so the file is always either the old or the new content. Loading
    reads and checks the whole file before the object changes, so a faulty
    file leaves the object as it was.
*/
struct ObjectFile
{
    /** Loads an object from a file. Failures name the file and, for faults in
        its text, the line and column. */
    static juce::Result load (Object& object, const juce::File& file);

    /** Loads an object from a state text; sourceName names it in messages. */
    static juce::Result loadFromText (Object& object, const juce::String& text, const juce::String& sourceName);

    /** The text save() writes: the header comment lines, each prefixed with
        "# ", then the object's state in pretty state text and a line break. */
    static juce::String toText (const Object& object, const juce::String& headerComment);

    /** Saves an object to a file, creating its folder when needed. */
    static juce::Result save (const Object& object, const juce::File& file, const juce::String& headerComment);
};

} // namespace tav
