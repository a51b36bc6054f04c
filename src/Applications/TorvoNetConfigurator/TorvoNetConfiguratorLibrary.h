#pragma once

#include <tavcore/Library.h>

namespace gui::tav
{

//==============================================================================
/** The library "TorvoNetConfigurator": the program's classes, registered in
    the order in which they build on each other, and removed in reverse. */
class TorvoNetConfiguratorLibrary : public ::tav::Library
{
public:
    /** sourceDirectory is the program's source folder
        (src/Applications/TorvoNetConfigurator). */
    explicit TorvoNetConfiguratorLibrary (const juce::File& sourceDirectory);
    ~TorvoNetConfiguratorLibrary() override;

    /** The program's source folder. */
    const juce::File& getSourceDirectory() const noexcept { return sourceDirectory; }

    /** The registered names of the classes, in registration order. */
    static juce::StringArray getClassNames();

private:
    juce::File sourceDirectory;
};

} // namespace gui::tav
