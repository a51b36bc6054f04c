#pragma once

#include <tavcore/Library.h>

//==============================================================================
/** The library "TorvoBoot": the service logic, service and program classes. */
class TorvoBootLibrary : public tav::Library
{
public:
    /** sourceDirectory is the program's source folder (src/Applications/TorvoBoot). */
    explicit TorvoBootLibrary (const juce::File& sourceDirectory);
    ~TorvoBootLibrary() override;

    /** The program's source folder. */
    const juce::File& getSourceDirectory() const noexcept { return sourceDirectory; }

private:
    juce::File sourceDirectory;
};
