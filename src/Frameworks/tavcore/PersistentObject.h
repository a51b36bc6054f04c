#pragma once

#include <juce_core/juce_core.h>

namespace tav
{

//==============================================================================
/**
    Implemented by objects that keep their state in a file of their own
    rather than in the configuration file of the service holding them, so
    that programs editing that file and services loading it share one store.
*/
class PersistentObject
{
public:
    virtual ~PersistentObject() = default;

    /** The file the object is loaded from and saved to. */
    virtual juce::File getPersistentFile() const = 0;

    /** Checks, before a service loads the file, that it may be trusted (for
        example that nobody but administrators could have written it). A
        failure, with its reason, refuses the file. Accepts every file unless
        overridden. */
    virtual juce::Result checkPersistentFile (const juce::File& file) const
    {
        juce::ignoreUnused (file);
        return juce::Result::ok();
    }
};

} // namespace tav
