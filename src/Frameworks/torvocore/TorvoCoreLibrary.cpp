#include "torvocore/TorvoCoreLibrary.h"
#include "torvocore/ServerInformationClasses.h"
#include "torvocore/TorvoNetConfiguration.h"
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

    /** The host's network configuration, in the order of its member objects. */
    class TorvoNetConfigurationClass : public tav::ClassOf<TorvoNetConfiguration>
    {
    public:
        TorvoNetConfigurationClass() : ClassOf ("Object")
        {
            auto& context = tav::ExecutionContext::get();
            auto add = [&] (const char* type, const char* name, const juce::String& defaultText, const char* friendlyName,
                            const char* description)
            {
                addMemberVariable (context, type, name, false,
                                   { { "default", tav::State (defaultText, true) }, { "friendlyName", tav::State (friendlyName, true) },
                                     { "description", tav::State (description, true) } });
            };

            add ("String", "machineName", "", "Machine name", "The machine's name on the network (empty: the computer's name)");
            add (NetworkAddress::className, "statusAddress", TorvoNetConfiguration::defaultStatusAddress, "Status address",
                 "The address the host publishes its status to and the launcher listens on");
            add (PortNumber::className, "statusPort", juce::String (TorvoNetConfiguration::defaultStatusPort), "Status port",
                 "The UDP port of the host's status record (1 to 65535)");
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
    library->addClass (PortNumber::className,     std::make_unique<tav::ClassOf<PortNumber>> ("PositiveInteger"));
    library->addClass (NetworkAddress::className, std::make_unique<tav::ClassOf<NetworkAddress>> ("String"));
    library->addClass (TorvoNetConfiguration::className, std::make_unique<TorvoNetConfigurationClass>());
    library->addClass ("TorvoNetProgram",       std::make_unique<tav::AbstractClass> ("Program"));

    return library;
}

} // namespace torvo
