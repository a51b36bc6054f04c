#pragma once

#include "torvocore/PluginLibrary.h"
#include "torvocore/SharedLibraryModule.h"

namespace torvo
{

//==============================================================================
/**
    A plug-in loaded from its shared library: the module and the library
    object its entry point "createTorvoPlugin" returned, attached to the root
    library while loaded. Destroying it deletes the library object (which
    unregisters the plug-in's classes) and then closes the module.
*/
class LoadedPlugin
{
public:
    /** Loads a plug-in; nullptr with errorText set when the file is no plug-in. */
    static std::unique_ptr<LoadedPlugin> load (const juce::File& file, juce::String& errorText);

    ~LoadedPlugin();

    /** The plug-in's library object. */
    PluginLibrary& getLibrary() noexcept          { return *library; }

    /** The file it was loaded from. */
    const juce::File& getFile() const noexcept    { return file; }

    /** The file name extension of plug-ins on this platform (".so", ".dll"). */
    static juce::String getFileNameExtension();

private:
    LoadedPlugin (juce::File, std::unique_ptr<SharedLibraryModule>, PluginLibrary*);

    juce::File file;
    std::unique_ptr<SharedLibraryModule> module;
    PluginLibrary* library;

    JUCE_DECLARE_NON_COPYABLE (LoadedPlugin)
};

} // namespace torvo
