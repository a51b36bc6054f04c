#include "torvocore/PluginLibrary.h"

namespace torvo
{

PluginLibrary::PluginLibrary (const juce::String& libraryName, const juce::File& directory)
    : VersionedLibrary (libraryName), sourceDirectory (directory)
{
}

} // namespace torvo
