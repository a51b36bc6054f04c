#include "hostsys/OsLibrary.h"
#include "hostsys/TorvoBootCommandId.h"
#include "hostsys/TorvoBootConfiguration.h"
#include <tavcore/ClassOf.h>

namespace os
{

namespace
{
    //==============================================================================
    class ManagedApplicationClass : public tav::ClassOf<ManagedApplication>
    {
    public:
        ManagedApplicationClass() : ClassOf ("Object")
        {
            auto& context = tav::ExecutionContext::get();
            auto add = [&] (const char* type, const char* name, const char* defaultText, const char* description)
            {
                addMemberVariable (context, type, name, false,
                                   { { "default", tav::State (defaultText) }, { "description", tav::State (description) } });
            };

            add ("String",  "executablePath",      "",     "Program to run; %VARIABLES% and ${VARIABLES} are expanded");
            add ("String",  "arguments",           "",     "Command-line arguments of the program");
            add ("Boolean", "launchAtLogon",       "true", "Start the program when a user logs on");
            add ("Boolean", "autoRestart",         "true", "Start the program again when it exits unexpectedly");
            add ("Boolean", "enabled",             "true", "Let TorvoBoot start and watch the program");
            add ("Boolean", "showConsole",         "false", "Give the program a console window");
            add ("Boolean", "launchInUserSession", "true", "Start the program in the logged-on user's session");
            add ("Boolean", "ignoreDebugPostfix",  "false", "Count a debug build (Name_d) as the program when looking for it");
            add ("Real",    "restartDelay",        "5",    "Seconds before a restart, multiplied by the failed attempts");
            add ("PositiveInteger", "maximumLaunchAttempts", "5", "Failed launches in a row before TorvoBoot gives up");
            add ("String",  "workingDirectory",    "",     "Working directory of the program (empty: TorvoBoot's own)");
            // Last, so that files written before it load unchanged.
            add ("String",  "colorLabel",          "",     "Colour label of the program's row in the configurator");
        }
    };

    //==============================================================================
    class TorvoBootConfigurationClass : public tav::ClassOf<TorvoBootConfiguration>
    {
    public:
        TorvoBootConfigurationClass() : ClassOf ("Object")
        {
            addMemberVariable (tav::ExecutionContext::get(), "ObjectOwnedVector", "applications", false,
                               { { "elementClass", tav::State (ManagedApplication::className) } });
        }
    };
}

std::unique_ptr<tav::Library> createOsLibrary()
{
    auto library = std::make_unique<tav::Library> ("Os");
    library->addClass (ManagedApplication::className, std::make_unique<ManagedApplicationClass>());
    library->addClass (TorvoBootConfiguration::className, std::make_unique<TorvoBootConfigurationClass>());
    library->addClass (TorvoBootCommandId::className,
                       std::make_unique<tav::EnumerationClassOf<TorvoBootCommandId>> (std::initializer_list<tav::Enumerator> {
                           { "prepareVoluntaryStop", prepareVoluntaryStop },
                           { "startApplication", startApplication },
                           { "killApplication", killApplication } }));
    return library;
}

} // namespace os
