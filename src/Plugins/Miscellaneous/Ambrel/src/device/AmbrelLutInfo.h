#pragma once

#include <tavcore/PositiveInteger.h>
#include <tavcore/String.h>

namespace torvo
{

//==============================================================================
/** The value of a LUT notification: the LUT's edge length and data type. */
class AmbrelLutInfo : public tav::Object
{
public:
    explicit AmbrelLutInfo (juce::uint64 lutSize = 0, const juce::String& lutDataType = {});

    juce::String getClassName() const override    { return "AmbrelLutInfo"; }

    tav::PositiveInteger size;
    tav::String dataType;
};

} // namespace torvo
