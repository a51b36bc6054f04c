#include "tavcore/SoftwareVersion.h"

namespace tav
{

void SoftwareVersion::set (const juce::String& newReleaseLabel, const juce::String& newName,
                           int newMajor, int newMinor, int newPatch, const juce::String& newBuildIdentifier)
{
    releaseLabel = newReleaseLabel;
    name = newName;
    major = newMajor;
    minor = newMinor;
    patch = newPatch;
    buildIdentifier = newBuildIdentifier;
}

juce::String SoftwareVersion::getVersionNumberText() const
{
    return juce::String (major) + "." + juce::String (minor) + "." + juce::String (patch);
}

} // namespace tav
