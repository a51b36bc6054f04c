#pragma once

#include "tavcore/Object.h"

namespace tav
{

//==============================================================================
/** The name and version of a program or library. */
class VersionRecord : public Object
{
public:
    VersionRecord (const juce::String& name, const juce::String& releaseLabel,
                   int major, int minor, int patch, const juce::String& buildIdentifier);

    juce::String getClassName() const override    { return "VersionRecord"; }

    /** The product name, such as "Torvo Boot". */
    const juce::String& getName() const noexcept  { return name; }

    /** The release label, such as "Torvo Live". */
    const juce::String& getReleaseLabel() const noexcept { return releaseLabel; }

    /** Changes the release label. */
    void setReleaseLabel (const juce::String& newLabel) { releaseLabel = newLabel; }

    /** "major.minor.patch". */
    juce::String getVersionNumberText() const;

    /** "Name major.minor.patch (release label, build identifier)". */
    juce::String toString() const;

private:
    juce::String name, releaseLabel, buildIdentifier;
    int major, minor, patch;
};

} // namespace tav
