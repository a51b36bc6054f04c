#include "torvocore/TorvoCoreLibrary.h"
#include "torvocore/ServerInformationClasses.h"
#include <tavcore/ClassOf.h>

namespace torvo
{

namespace
{
    /** The selectors' common class: the remote host and port of the device
        and the device's name, in the order of DeviceSelector's member objects. */
    class DeviceSelectorClass : public tav::AbstractClass
    {
    public:
        DeviceSelectorClass() : AbstractClass ("Object")
        {
            auto& context = tav::ExecutionContext::get();
            addMemberVariable (context, "String", "remoteHost", false, {});
            addMemberVariable (context, "PositiveInteger", "remotePort", false, {});
            addMemberVariable (context, "String", "device", false, {});
        }
    };
}

std::unique_ptr<tav::Library> createTorvoCoreLibrary()
{
    auto library = std::make_unique<tav::Library> ("TorvoCore");

    library->addClass ("Device",               std::make_unique<tav::AbstractClass> ("Object"));
    library->addClass ("SynchableDevice",      std::make_unique<tav::AbstractClass> ("Device"));
    library->addClass ("ControlDevice",        std::make_unique<tav::AbstractClass> ("SynchableDevice"));
    library->addClass ("DeviceIdentifier",     std::make_unique<tav::AbstractClass> ("Object"));
    library->addClass ("DeviceFactory",        std::make_unique<tav::AbstractClass> ("Object"));
    library->addClass ("DeviceSelector",       std::make_unique<DeviceSelectorClass>());
    library->addClass ("ControllerIdentifier", std::make_unique<tav::AbstractClass> ("Object"));
    library->addClass ("ControlEventListener", std::make_unique<tav::AbstractClass> ("Object"));
    library->addClass ("Element",              std::make_unique<tav::AbstractClass> ("Object"));
    library->addClass ("TextureModifier",      std::make_unique<tav::AbstractClass> ("Element"));
    library->addClass ("ColorModifier",        std::make_unique<tav::AbstractClass> ("Object"));
    library->addClass ("ColorTextureModifier", std::make_unique<tav::TemplateClass> ("TextureModifier"));
    library->addClass ("Tool",                 std::make_unique<tav::AbstractClass> ("Element"));
    addServerInformationClasses (*library);

    return library;
}

} // namespace torvo
