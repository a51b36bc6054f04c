#include "torvocore/TorvoCoreLibrary.h"
#include <tavcore/CoreLibrary.h>

namespace torvo
{

namespace
{
    std::unique_ptr<tav::Class> makeDeviceSelectorClass()
    {
        auto selectorClass = std::make_unique<tav::AbstractClass> ("Object");
        auto& context = tav::ExecutionContext::get();

        // The order matches DeviceSelector's member objects.
        selectorClass->addMemberVariable (context, "String", "remoteHost", false, {});
        selectorClass->addMemberVariable (context, "PositiveInteger", "remotePort", false, {});
        selectorClass->addMemberVariable (context, "String", "device", false, {});
        return selectorClass;
    }
}

std::unique_ptr<tav::Library> createTorvoCoreLibrary()
{
    auto library = std::make_unique<tav::Library> ("TorvoCore");

    library->addClass ("Device",               std::make_unique<tav::AbstractClass> ("Object"));
    library->addClass ("SynchableDevice",      std::make_unique<tav::AbstractClass> ("Device"));
    library->addClass ("ControlDevice",        std::make_unique<tav::AbstractClass> ("SynchableDevice"));
    library->addClass ("DeviceIdentifier",     std::make_unique<tav::AbstractClass> ("Object"));
    library->addClass ("DeviceFactory",        std::make_unique<tav::AbstractClass> ("Object"));
    library->addClass ("DeviceSelector",       makeDeviceSelectorClass());
    library->addClass ("ControllerIdentifier", std::make_unique<tav::AbstractClass> ("Object"));
    library->addClass ("ControlEventListener", std::make_unique<tav::AbstractClass> ("Object"));
    library->addClass ("Element",              std::make_unique<tav::AbstractClass> ("Object"));

    return library;
}

} // namespace torvo
