#include "CodedImageFormats.h"

// Builds without JUCE's image formats (the mingw build has no libpng or
// libjpeg yet) still read and write PFM images.
namespace codedimages
{

bool areSupported()
{
    return false;
}

juce::Result decode (const juce::MemoryBlock&, graphics::reference::FloatImage&)
{
    return juce::Result::fail (unsupportedReason);
}

juce::Result encodePng (const graphics::reference::FloatImage&, juce::MemoryBlock&)
{
    return juce::Result::fail (unsupportedReason);
}

} // namespace codedimages
