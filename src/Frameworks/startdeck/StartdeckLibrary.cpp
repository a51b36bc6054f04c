#include "startdeck/StartdeckLibrary.h"
#include "startdeck/LauncherComponent.h"
#include "startdeck/LauncherService.h"
#include <tavcore/ClassOf.h>

namespace launcher
{

std::unique_ptr<tav::Library> createStartdeckLibrary()
{
    auto library = std::make_unique<tav::Library> ("Startdeck");
    library->addClass ("LauncherService", std::make_unique<tav::ClassOf<LauncherService>> ("Object"));
    library->addClass (LauncherComponent::extensionPoint, std::make_unique<tav::AbstractClass> ("Object"));
    return library;
}

} // namespace launcher
