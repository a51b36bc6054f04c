#include "LauncherPlugin.h"
#include <tavcore/ExtensionsManager.h>

namespace
{
    /** Closes a module that yields no plug-in; whatever it announced from its
        static initialisation goes with it. */
    void closeUnused (std::unique_ptr<torvo::SharedLibraryModule> module)
    {
        module.reset();
        tav::ExtensionsManager::getInstance()->removeExtensionsWithoutClass();
    }
}

LauncherPlugin::LauncherPlugin (juce::File pluginFile, std::unique_ptr<torvo::SharedLibraryModule> openModule,
                                torvo::PluginLibrary* pluginLibrary)
    : file (std::move (pluginFile)), module (std::move (openModule)), library (pluginLibrary)
{
    tav::Library::getRootLibrary().attachLibrary (*library);
}

LauncherPlugin::~LauncherPlugin()
{
    // The library's code lives in the module, so it goes first; the names
    // the module announced must not outlive it.
    delete library;
    module.reset();
    tav::ExtensionsManager::getInstance()->removeExtensionsWithoutClass();
}

LauncherPlugin::Loaded LauncherPlugin::load (const juce::File& pluginFile)
{
    Loaded loaded;
    auto module = torvo::SharedLibraryModule::open (pluginFile, loaded.errorText);

    if (module == nullptr)
        return loaded;

    using CreateLauncherPluginFunction = torvo::PluginLibrary* (*)();
    auto create = reinterpret_cast<CreateLauncherPluginFunction> (module->findExport (entryPointName));

    if (create == nullptr)
    {
        closeUnused (std::move (module));
        loaded.hasNoEntryPoint = true;
        loaded.errorText = pluginFile.getFullPathName() + ": no entry point " + entryPointName;
        return loaded;
    }

    auto* library = create();

    if (library == nullptr)
    {
        closeUnused (std::move (module));
        loaded.errorText = juce::String (entryPointName) + " of " + pluginFile.getFullPathName() + " returned no library";
        return loaded;
    }

    loaded.plugin.reset (new LauncherPlugin (pluginFile, std::move (module), library));
    return loaded;
}
