#include "PluginBinding.h"
#include "PortableExecutableImports.h"

namespace pluginbinding
{

namespace
{
    /** More than any plug-in's file: a larger one is not read whole. */
    constexpr juce::int64 maximumPluginFileSize = 512ll << 20;
}

juce::String findOtherHostProgram (const juce::File& pluginFile)
{
    juce::MemoryBlock image;
    juce::StringArray modules;

    // What cannot be read is left to the loader, which says why.
    if (pluginFile.getSize() > maximumPluginFileSize || ! pluginFile.loadFileAsData (image)
         || portableexecutable::readImportedModules (image, modules).failed())
        return {};

    const auto ownName = juce::File::getSpecialLocation (juce::File::currentExecutableFile).getFileName();

    for (auto& module : modules)
        if (module.endsWithIgnoreCase (".exe") && ! module.equalsIgnoreCase (ownName))
            return module;

    return {};
}

} // namespace pluginbinding
