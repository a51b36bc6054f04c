#pragma once

#include <tavcore/Library.h>

namespace gui::tav
{

//==============================================================================
/** The library "TorvoBootConfigurator": the program's classes, registered in
    the order in which they build on each other, and removed in reverse. */
class TorvoBootConfiguratorLibrary : public ::tav::Library
{
public:
    /** sourceDirectory is the program's source folder
        (src/Applications/TorvoBootConfigurator). */
    explicit TorvoBootConfiguratorLibrary (const juce::File& sourceDirectory);
    ~TorvoBootConfiguratorLibrary() override;

    /** The program's source folder. */
    const juce::File& getSourceDirectory() const noexcept { return sourceDirectory; }

    /** The registered names of the classes, in registration order. */
    static juce::StringArray getClassNames();

private:
    juce::File sourceDirectory;
};

} // namespace gui::tav
