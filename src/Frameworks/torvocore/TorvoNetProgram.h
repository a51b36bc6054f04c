#pragma once

#include <tavcore/Program.h>

namespace torvo
{

//==============================================================================
/**
    The base of the host's network tools: a program that has torvocore's
    classes (the network configuration among them) registered while it runs.
    Subclasses call addLibraries() and removeLibraries() of this class from
    their own overrides.
*/
class TorvoNetProgram : public tav::Program
{
public:
    /** The same parameters as tav::Program's. */
    TorvoNetProgram (const juce::String& name, const juce::String& releaseLabel,
                     int major, int minor, int patch, const juce::String& buildIdentifier);

    /** Returns 0, the exit code of a tool that stopped normally. */
    int programStopped() override                 { return 0; }

protected:
    /** Adds the library "TorvoCore". */
    void addLibraries (tav::Library& rootLibrary) override;

    /** Removes the library "TorvoCore". */
    void removeLibraries (tav::Library& rootLibrary) override;
};

} // namespace torvo
