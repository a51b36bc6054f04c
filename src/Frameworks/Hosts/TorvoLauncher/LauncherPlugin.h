#pragma once

#include <torvocore/PluginLibrary.h>
#include <torvocore/SharedLibraryModule.h>

//==============================================================================
/**
    A plug-in loaded by the launcher: the module and the library object its
    entry point "createLauncherPlugin" returned, attached to the root library
    while loaded. Destroying it deletes the library object (which unregisters
    the plug-in's classes), closes the module and withdraws the extensions
    whose classes went with it.
*/
class LauncherPlugin
{
public:
    /** The outcome of a load: the plug-in, or why there is none. */
    struct Loaded
    {
        std::unique_ptr<LauncherPlugin> plugin;   /**< nullptr when not loaded */
        bool hasNoEntryPoint = false;             /**< the library loaded but is no launcher plug-in */
        juce::String errorText;                   /**< why it is not loaded */
    };

    /** Loads a plug-in file through its launcher entry point. */
    static Loaded load (const juce::File& file);

    ~LauncherPlugin();

    /** The plug-in's library object. */
    torvo::PluginLibrary& getLibrary() noexcept   { return *library; }

    /** The file it was loaded from. */
    const juce::File& getFile() const noexcept    { return file; }

    /** The name of the entry point a launcher plug-in exports. */
    static constexpr const char* entryPointName = "createLauncherPlugin";

private:
    LauncherPlugin (juce::File, std::unique_ptr<torvo::SharedLibraryModule>, torvo::PluginLibrary*);

    juce::File file;
    std::unique_ptr<torvo::SharedLibraryModule> module;
    torvo::PluginLibrary* library;

    JUCE_DECLARE_NON_COPYABLE (LauncherPlugin)
};
