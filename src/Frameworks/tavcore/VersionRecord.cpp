#include "tavcore/VersionRecord.h"

namespace tav
{

VersionRecord::VersionRecord (const juce::String& productName, const juce::String& label,
                              int majorNumber, int minorNumber, int patchNumber, const juce::String& build)
    : name (productName), releaseLabel (label), buildIdentifier (build),
      major (majorNumber), minor (minorNumber), patch (patchNumber)
{
}

juce::String VersionRecord::getVersionNumberText() const
{
    return juce::String (major) + "." + juce::String (minor) + "." + juce::String (patch);
}

juce::String VersionRecord::toString() const
{
    return name + " " + getVersionNumberText() + " (" + releaseLabel + ", build " + buildIdentifier + ")";
}

} // namespace tav
