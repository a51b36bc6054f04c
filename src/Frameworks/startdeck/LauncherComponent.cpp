#include "startdeck/LauncherComponent.h"
#include "startdeck/LauncherService.h"

namespace launcher
{

LauncherComponent::~LauncherComponent() = default;

LauncherService* LauncherComponent::findLauncherService() const
{
    const auto* serviceClass = LauncherService::getStaticClass();

    if (serviceClass == nullptr)
        return nullptr;

    for (auto* object = getParent(); object != nullptr; object = object->getParent())
        if (object->isInstanceOf (serviceClass))
            return dynamic_cast<LauncherService*> (object);

    return nullptr;
}

} // namespace launcher
