#pragma once

#include "HostCommandLine.h"
#include <pixcore/reference/FloatImage.h>

//==============================================================================
/**
    The image the host grades: the --input file, or the generated test chart
    when there is none, and the --output file its frames are written to.
*/
class HostPicture
{
public:
    /** Takes the files from the command line; nothing is read yet. */
    explicit HostPicture (const HostCommandLine& commandLine);

    /** Reads the input image or makes the test chart; the error text says why it could not. */
    juce::Result load();

    /** Writes an image to the output file, when there is one, replacing it atomically. */
    juce::Result writeOutput (const graphics::reference::FloatImage& image) const;

    /** True when the command line named an output file. */
    bool hasOutput() const noexcept                                          { return output != juce::File(); }

    /** The output file (juce::File() when none). */
    const juce::File& getOutputFile() const noexcept                         { return output; }

    /** The image as loaded, ungraded. */
    const graphics::reference::FloatImage& getSource() const noexcept     { return source; }

    /** Where the image came from, for the host's messages. */
    juce::String describeSource() const;

private:
    juce::File input, output;
    graphics::reference::FloatImage source;
};
