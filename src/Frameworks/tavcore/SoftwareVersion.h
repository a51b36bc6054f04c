#pragma once

#include <juce_core/juce_core.h>

namespace tav
{

//==============================================================================
/**
    The version a library states for itself: which release of the product it
    belongs to and its own version numbers.
*/
class SoftwareVersion
{
public:
    /** Sets the whole record at once. */
    void set (const juce::String& newReleaseLabel, const juce::String& newName,
              int newMajor, int newMinor, int newPatch, const juce::String& newBuildIdentifier);

    /** The release the library belongs to, such as "Torvo Live". */
    const juce::String& getReleaseLabel() const noexcept  { return releaseLabel; }

    /** The library's own product name (may be empty). */
    const juce::String& getName() const noexcept          { return name; }

    /** "major.minor.patch". */
    juce::String getVersionNumberText() const;

    /** The build identifier (may be empty). */
    const juce::String& getBuildIdentifier() const noexcept { return buildIdentifier; }

private:
    juce::String releaseLabel, name, buildIdentifier;
    int major = 0, minor = 0, patch = 0;
};

} // namespace tav
