#pragma once

#include <torvocore/ControllerIdentifier.h>

namespace torvo
{

//==============================================================================
/** Names the session events of the grading device (connects, disconnects,
    listener stalls); their values are texts. */
class AmbrelSessionIdentifier : public ControllerIdentifier
{
public:
    juce::String getClassName() const override    { return "AmbrelSessionIdentifier"; }

    /** "Session". */
    juce::String toString() const override        { return "Session"; }

    /** The class of tav String. */
    const tav::Class* getValueClass() const override;
};

} // namespace torvo
