#pragma once

#include "tavcore/Object.h"
#include <memory>

namespace tav
{

//==============================================================================
/**
    Creates an object from a state tagged with its class name and loads the
    state into it, checking that the class derives from the required base.
    Used by the owning pointer and the owning vector.
*/
juce::Result createOwnedObjectFromState (const State& state, const juce::String& sourceName,
                                         const juce::String& requiredBaseClassName,
                                         std::unique_ptr<Object>& result);

} // namespace tav
