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
};

} // namespace tav
