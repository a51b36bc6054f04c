// The plug-in's exports: the host calls createTorvoPlugin, the launcher
// createLauncherPlugin; each owns the library object it gets. The launcher
// component is announced while the library loads, before either is called.
#include "VitrelLibrary.h"

#include <tavcore/ExtensionsManager.h>

#if defined (_WIN32)
 #define VITREL_EXPORT __declspec(dllexport)
#else
 #define VITREL_EXPORT __attribute__ ((visibility ("default")))
#endif

namespace
{
    const bool launcherComponentAnnounced = []
    {
        tav::ExtensionsManager::getInstance()->registerExtension ("LauncherComponent", "VitrelLauncherComponent");
        return true;
    }();
}

extern "C" VITREL_EXPORT torvo::PluginLibrary* createTorvoPlugin()
{
    juce::ignoreUnused (launcherComponentAnnounced);
    return launcher::createVitrelLibrary();
}

extern "C" VITREL_EXPORT torvo::PluginLibrary* createLauncherPlugin()
{
    juce::ignoreUnused (launcherComponentAnnounced);
    return launcher::createVitrelLibrary();
}
