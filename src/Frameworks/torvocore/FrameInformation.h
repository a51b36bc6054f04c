#pragma once

#include <juce_core/juce_core.h>

namespace torvo
{

/** What the host tells its devices about the frame it is updating. */
struct FrameInformation
{
    juce::int64 frameNumber = 0;    /**< counts from 0 at the first frame */
    double timeInSeconds = 0.0;     /**< host time at the start of the frame */
};

} // namespace torvo
