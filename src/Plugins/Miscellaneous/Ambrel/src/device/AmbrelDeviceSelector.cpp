#include "AmbrelClasses.h"
#include "device/AmbrelDeviceSelector.h"

namespace torvo
{

const tav::Class* AmbrelDeviceSelector::getDeviceClass() const
{
    return AmbrelDeviceClass::instance;
}

bool AmbrelDeviceSelector::isVariableVisible (size_t variableIndex) const
{
    // The first two variables are the remote host and port of the base.
    return variableIndex >= 2 && DeviceSelector::isVariableVisible (variableIndex);
}

} // namespace torvo
