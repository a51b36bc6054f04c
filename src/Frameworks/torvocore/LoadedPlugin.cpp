#include "torvocore/LoadedPlugin.h"
#include <tavcore/DynamicallyLinkedLibrary.h>

namespace torvo
{

LoadedPlugin::LoadedPlugin (juce::File pluginFile, std::unique_ptr<SharedLibraryModule> openModule, PluginLibrary* pluginLibrary)
    : file (std::move (pluginFile)), module (std::move (openModule)), library (pluginLibrary)
{
    tav::Library::getRootLibrary().attachLibrary (*library);
}

LoadedPlugin::~LoadedPlugin()
{
    // The library's code lives in the module, so it goes first.
    delete library;
    module.reset();
}

std::unique_ptr<LoadedPlugin> LoadedPlugin::load (const juce::File& pluginFile, juce::String& errorText)
{
    auto module = SharedLibraryModule::open (pluginFile, errorText);

    if (module == nullptr)
        return nullptr;

    auto create = reinterpret_cast<CreateTorvoPluginFunction> (module->findExport ("createTorvoPlugin"));

    if (create == nullptr)
    {
        errorText = pluginFile.getFullPathName() + " has no entry point createTorvoPlugin";
        return nullptr;
    }

    auto* library = create();

    if (library == nullptr)
    {
        errorText = "createTorvoPlugin of " + pluginFile.getFullPathName() + " returned no library";
        return nullptr;
    }

    return std::unique_ptr<LoadedPlugin> (new LoadedPlugin (pluginFile, std::move (module), library));
}

juce::String LoadedPlugin::getFileNameExtension()
{
    return tav::DynamicallyLinkedLibrary::getFileNameExtension (tav::DynamicallyLinkedLibrary::sharedLibrary, true);
}

} // namespace torvo
