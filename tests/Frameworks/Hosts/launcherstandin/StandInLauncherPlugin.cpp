// A launcher plug-in standing in for the front-panel plug-in in the
// launcher's tests: one launcher component, announced from the library's
// static initialisation as the front-panel plug-in announces its own.
#include "StandInLauncherComponent.h"
#include <tavcore/ClassOf.h>
#include <tavcore/ExtensionsManager.h>
#include <torvocore/PluginLibrary.h>

namespace standin
{

namespace
{
    const bool announced = []
    {
        tav::ExtensionsManager::getInstance()->registerExtension ("LauncherComponent", "StandInLauncherComponent");
        return true;
    }();

    class StandInLauncherLibrary : public torvo::PluginLibrary
    {
    public:
        StandInLauncherLibrary() : PluginLibrary ("StandInLauncher", juce::File())
        {
            addClass ("StandInLauncherComponent", std::make_unique<tav::ClassOf<StandInLauncherComponent>> ("LauncherComponent"));
        }

        ~StandInLauncherLibrary() override    { removeClass ("StandInLauncherComponent"); }
    };
}

} // namespace standin

#if defined (_WIN32)
 #define STANDIN_EXPORT __declspec(dllexport)
#else
 #define STANDIN_EXPORT __attribute__ ((visibility ("default")))
#endif

extern "C" STANDIN_EXPORT torvo::PluginLibrary* createLauncherPlugin()
{
    juce::ignoreUnused (standin::announced);
    auto* library = new standin::StandInLauncherLibrary();
    library->getSoftwareVersion().set ("Launcher test", {}, 0, 0, 0, {});
    return library;
}
