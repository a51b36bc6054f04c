#include "torvocore/TorvoNetProgram.h"
#include "torvocore/TorvoCoreLibrary.h"
#include <tavcore/Library.h>

namespace torvo
{

TorvoNetProgram::TorvoNetProgram (const juce::String& name, const juce::String& releaseLabel,
                                  int major, int minor, int patch, const juce::String& buildIdentifier)
    : Program (name, releaseLabel, major, minor, patch, buildIdentifier)
{
}

void TorvoNetProgram::addLibraries (tav::Library& rootLibrary)
{
    rootLibrary.addLibrary (createTorvoCoreLibrary());
}

void TorvoNetProgram::removeLibraries (tav::Library& rootLibrary)
{
    rootLibrary.removeLibrary ("TorvoCore");
}

} // namespace torvo
