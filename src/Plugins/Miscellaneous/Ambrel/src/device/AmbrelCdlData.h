#pragma once

#include "device/ChannelState.h"
#include <pixcore/Vector4d.h>
#include <tavcore/Real.h>

namespace torvo
{

//==============================================================================
/** The value of a CDL notification: slope (r, g, b, 1), offset (r, g, b, 0),
    power (r, g, b, 1) and saturation. */
class AmbrelCdlData : public tav::Object
{
public:
    /** The identity CDL. */
    AmbrelCdlData();

    /** The CDL of a channel. */
    explicit AmbrelCdlData (const CdlValues& cdl);

    juce::String getClassName() const override    { return "AmbrelCdlData"; }

    graphics::Vector4d slope, offset, power;
    tav::Real saturation { 1.0 };

private:
    void declareMembers();
};

} // namespace torvo
