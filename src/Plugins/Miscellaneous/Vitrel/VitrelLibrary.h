#pragma once

#include <torvocore/PluginLibrary.h>

namespace launcher
{

//==============================================================================
/**
    The plug-in's library object "Vitrel": registers the images class, the
    host tool and the launcher component while it lives, and removes them,
    newest first, when it is deleted.
*/
class VitrelLibrary : public torvo::PluginLibrary
{
public:
    /** sourceDirectory is the plug-in's source folder. */
    explicit VitrelLibrary (const juce::File& sourceDirectory);
    ~VitrelLibrary() override;
};

/** A new library with its version record set to "Torvo Live" 0.0.0, as both exports return it. */
VitrelLibrary* createVitrelLibrary();

} // namespace launcher
