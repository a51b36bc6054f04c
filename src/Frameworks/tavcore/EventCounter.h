#pragma once

#include "tavcore/PositiveInteger.h"

namespace tav
{

//==============================================================================
/** Counts events, such as failures or received messages. */
class EventCounter : public PositiveInteger
{
public:
    juce::String getClassName() const override    { return "EventCounter"; }

    /** Counts one more event. */
    void increment (ChangeCallback callback)      { set (get() + 1, callback); }

    /** Starts again from zero. */
    void reset (ChangeCallback callback)          { set (0, callback); }
};

} // namespace tav
