#pragma once

#include <tavcore/Class.h>

namespace torvo
{

//==============================================================================
/** Names one control of a control device, such as a fader or a data channel. */
class ControllerIdentifier : public tav::Object
{
public:
    /** How the control is shown to users. */
    virtual juce::String toString() const = 0;

    /** The class of the values the control sends. */
    virtual const tav::Class* getValueClass() const = 0;
};

} // namespace torvo
