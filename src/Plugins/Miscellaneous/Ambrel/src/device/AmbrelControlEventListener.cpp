#include "device/AmbrelControlEventListener.h"

namespace torvo
{

void AmbrelControlEventListener::controllerChanged (ControlDevice& device, const ControllerIdentifier& identifier,
                                                    const tav::Object& value, double, bool)
{
    if (handler)
        handler (device, identifier, value);
}

} // namespace torvo
