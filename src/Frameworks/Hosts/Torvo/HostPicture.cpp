#include "HostPicture.h"

#include "ImageFiles.h"
#include <pixcore/reference/TestChart.h>

HostPicture::HostPicture (const HostCommandLine& commandLine)
    : input (commandLine.input),
      output (commandLine.output)
{
}

juce::Result HostPicture::load()
{
    if (input == juce::File())
    {
        source = graphics::reference::makeTestChart();
        return juce::Result::ok();
    }

    return imagefiles::read (input, source);
}

juce::Result HostPicture::writeOutput (const graphics::reference::FloatImage& image) const
{
    return output == juce::File() ? juce::Result::ok() : imagefiles::write (output, image);
}

juce::String HostPicture::describeSource() const
{
    const auto size = juce::String (source.getWidth()) + "x" + juce::String (source.getHeight());
    return input == juce::File() ? "the generated test chart (" + size + ")"
                                 : input.getFullPathName() + " (" + size + ")";
}
