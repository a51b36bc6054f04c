#include "torvocore/SynchableDevice.h"

namespace torvo
{

void SynchableDevice::update (const FrameInformation& frame)
{
    Device::update (frame);
    lastFrameNumber = frame.frameNumber;
}

} // namespace torvo
