#include "HostRunning.h"
#include <TestPrograms.h>
#include <Waiting.h>

namespace hosttest
{

int findUnusedPort()
{
    juce::StreamingSocket probe;
    probe.createListener (0, "127.0.0.1");
    return probe.getBoundPort();
}

RunningHost::RunningHost (const juce::StringArray& arguments)
    : port (findUnusedPort()),
      portSetting ("AMBREL_PORT", juce::String (port)),
      console ("torvo-rendering.txt"),
      process (programs::find ("Torvo"), arguments, console.getFile())
{
}

bool RunningHost::waitForConsole (const juce::String& text)
{
    return waitForText (console.getFile(), text, 60000, 20);
}

bool RunningHost::waitForLines (const juce::String& line, int count)
{
    return waitUntil ([&] { return countLines (getConsole(), line) >= count; }, 60000, 20);
}

int RunningHost::stop()
{
    process.requestStop();
    return process.waitForExit (30000);
}

int RunningHost::waitForExit()
{
    return process.waitForExit (60000);
}

int countLines (const juce::String& text, const juce::String& line)
{
    int count = 0;

    for (auto& each : juce::StringArray::fromLines (text))
        if (each.trimEnd() == line)
            ++count;

    return count;
}

graphics::reference::FloatImage makeSmallImage()
{
    graphics::reference::FloatImage image (3, 2, { 0.25f, 0.5f, 0.75f, 1.0f });
    image.setPixel (1, 0, { 0.0f, 1.0f, 4.5f, 1.0f });
    image.setPixel (2, 1, { -0.5f, 0.125f, 2.0f, 1.0f });
    return image;
}

graphics::reference::FloatImage scaled (graphics::reference::FloatImage image, float gain)
{
    for (auto& pixel : image.getPixels())
    {
        pixel.r *= gain;
        pixel.g *= gain;
        pixel.b *= gain;
    }

    return image;
}

} // namespace hosttest
