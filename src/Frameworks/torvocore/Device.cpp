#include "torvocore/Device.h"

namespace torvo
{

Device::Device (const DeviceIdentifier& identifier)
{
    setIdentity (identifier);
}

void Device::setIdentity (const DeviceIdentifier& identifier)
{
    deviceText = identifier.toString();
}

bool Device::initializeDevice()
{
    initialized = true;
    return true;
}

void Device::deinitializeDevice()
{
    initialized = false;
}

void Device::update (const FrameInformation&)
{
}

void Device::setStatusFromTorvoThread (const tav::SuccessStatus& newStatus)
{
    const juce::ScopedLock sl (statusLock);

    if (newStatus.isSuccess() == status.isSuccess() && newStatus.getText() == status.getText())
        return;

    status = newStatus;
    ++statusChanges;
}

tav::SuccessStatus Device::getStatus() const
{
    const juce::ScopedLock sl (statusLock);
    return status;
}

} // namespace torvo
