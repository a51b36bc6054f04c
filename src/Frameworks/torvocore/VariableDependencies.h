#pragma once

#include <juce_core/juce_core.h>

namespace torvo
{

//==============================================================================
/**
    The member variables an answer of an element depends on (its friendly
    name, whether a variable is shown): when one of them changes, the element
    asks again and tells its listeners when the answer moved.
*/
class VariableDependencies
{
public:
    /** Declares a dependency on the member variable of that name. */
    void add (const juce::String& variableName)      { names.addIfNotAlreadyThere (variableName); }

    /** True when a dependency on that variable was declared. */
    bool contains (const juce::String& variableName) const   { return names.contains (variableName); }

    /** True when no dependency was declared. */
    bool isEmpty() const noexcept                    { return names.isEmpty(); }

private:
    juce::StringArray names;
};

} // namespace torvo
