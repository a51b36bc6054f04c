#pragma once

#include <tavcore/VersionedLibrary.h>

namespace torvo
{

//==============================================================================
/**
    The library object a plug-in's entry point hands to the host: it registers
    the plug-in's classes while it lives. The host owns it and attaches it to
    its root library; deleting it unregisters the classes and detaches it.
*/
class PluginLibrary : public tav::VersionedLibrary
{
public:
    /** A plug-in library of a name whose sources were built from sourceDirectory. */
    PluginLibrary (const juce::String& libraryName, const juce::File& sourceDirectory);

    /** The folder the plug-in was built from (for diagnostics). */
    const juce::File& getSourceDirectory() const noexcept    { return sourceDirectory; }

    /** Sets up what the plug-in needs on the graphics side; false on failure. */
    virtual bool initializeGraphicsPlugin()                   { return true; }

    /** Releases what initializeGraphicsPlugin() set up. */
    virtual void deinitializeGraphicsPlugin()                 {}

    /** A description of the graphics memory the plug-in uses (empty: none). */
    virtual juce::String getVramDescription() const           { return {}; }

private:
    juce::File sourceDirectory;
};

/** The signature of a plug-in's entry point "createTorvoPlugin". */
using CreateTorvoPluginFunction = PluginLibrary* (*)();

} // namespace torvo
