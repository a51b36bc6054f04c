#pragma once

#include "torvocore/Device.h"

namespace torvo
{

//==============================================================================
/** A device that follows the host's frames: it knows the last frame it saw. */
class SynchableDevice : public Device
{
public:
    using Device::Device;

    /** Notes the frame; subclasses call this first in their own update. */
    void update (const FrameInformation& frame) override;

    /** The number of the last frame the device was updated for, or -1. */
    juce::int64 getLastFrameNumber() const noexcept   { return lastFrameNumber.load(); }

private:
    std::atomic<juce::int64> lastFrameNumber { -1 };
};

} // namespace torvo
