#include "torvocore/ServerInformationClasses.h"
#include "torvocore/StorageDevice.h"
#include "torvocore/TorvoNetServerEngineComponent.h"
#include <tavcore/ClassOf.h>

namespace torvo
{

namespace
{
    using Declaration = std::pair<const char*, const char*>;

    /** A class whose member variables are declared from a list of (type, name)
        pairs; element lists name their element class. */
    template <class ObjectType>
    class DeclaredClass : public tav::ClassOf<ObjectType>
    {
    public:
        DeclaredClass (const juce::String& baseName, std::initializer_list<Declaration> members)
            : tav::ClassOf<ObjectType> (baseName)
        {
            auto& context = tav::ExecutionContext::get();

            for (auto& [typeName, variableName] : members)
                this->addMemberVariable (context, typeName, variableName, false, {});
        }

        void addList (const char* variableName, const char* elementClass)
        {
            this->addMemberVariable (tav::ExecutionContext::get(), "ObjectOwnedVector", variableName, false,
                                     { { "elementClass", tav::State (elementClass) } });
        }
    };

    std::unique_ptr<tav::Class> makeInformationClass()
    {
        auto c = std::make_unique<DeclaredClass<TorvoServerInformation>> ("Object", std::initializer_list<Declaration> { { "String", "headerText" } });
        c->addList ("networkAdapters", "NetworkAdapter");

        for (auto& [typeName, variableName] : { Declaration { "MemoryUsage", "systemMemory" }, Declaration { "MemoryUsage", "videoMemory" },
                                                Declaration { "FrameRate", "frameRate" }, Declaration { "Percentage", "frameRatePercent" },
                                                Declaration { "Boolean", "onAir" }, Declaration { "Boolean", "greenLight" },
                                                Declaration { "OutputState", "outputState" }, Declaration { "String", "projectPath" },
                                                Declaration { "ProjectFile", "projectFile" } })
            c->addMemberVariable (tav::ExecutionContext::get(), typeName, variableName, false, {});

        c->addList ("devices", "DeviceDescription");
        return c;
    }
}

void addServerInformationClasses (tav::Library& library)
{
    library.addClass ("NetworkAdapter", std::make_unique<DeclaredClass<NetworkAdapter>> (
                                            "Object", std::initializer_list<Declaration> { { "String", "name" }, { "String", "address" }, { "Boolean", "isConnected" } }));
    library.addClass ("MemoryUsage", std::make_unique<DeclaredClass<MemoryUsage>> (
                                         "Object", std::initializer_list<Declaration> { { "PositiveInteger", "used" }, { "PositiveInteger", "total" } }));
    library.addClass ("DeviceDescription", std::make_unique<DeclaredClass<DeviceDescription>> (
                                               "Object", std::initializer_list<Declaration> { { "String", "deviceClass" }, { "String", "friendlyName" } }));
    library.addClass ("FrameRate", std::make_unique<tav::ClassOf<FrameRate>> ("Real"));
    library.addClass ("Percentage", std::make_unique<tav::ClassOf<Percentage>> ("Real"));
    library.addClass ("ProjectFile", std::make_unique<tav::ClassOf<ProjectFile>> ("String"));
    library.addClass ("OutputState", std::make_unique<tav::ClassOf<OutputState>> ("Object"));
    library.addClass ("TorvoServerInformation", makeInformationClass());
    library.addClass ("TorvoNetServerEngineComponent", std::make_unique<DeclaredClass<TorvoNetServerEngineComponent>> (
                                                           "Object", std::initializer_list<Declaration> { { "TorvoServerInformation", "information" } }));
    library.addClass ("StorageDevice", std::make_unique<tav::ClassOf<StorageDevice>> ("Device"));
}

} // namespace torvo
