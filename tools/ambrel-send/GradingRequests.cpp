#include "GradingRequests.h"

namespace ambrel
{

namespace
{
    juce::var makeRgb (const std::array<double, 3>& rgb)
    {
        auto* document = new juce::DynamicObject();
        document->setProperty ("red", rgb[0]);
        document->setProperty ("green", rgb[1]);
        document->setProperty ("blue", rgb[2]);
        return juce::var (document);
    }

    juce::DynamicObject* makeGradingRequest (const char* command, const juce::StringArray& channels)
    {
        auto* request = new juce::DynamicObject();
        request->setProperty ("command", command);
        request->setProperty ("protocol", "grading");

        if (! channels.isEmpty())
        {
            juce::Array<juce::var> names;

            for (auto& name : channels)
                names.add (name);

            request->setProperty ("channels", names);
        }

        return request;
    }
}

juce::var makeHelloRequest()
{
    auto* request = new juce::DynamicObject();
    request->setProperty ("command", "hello");
    request->setProperty ("version", "1.0");
    return juce::var (request);
}

juce::var makePingRequest()
{
    auto* request = new juce::DynamicObject();
    request->setProperty ("command", "ping");
    return juce::var (request);
}

juce::var makeSetCdlRequest (const juce::StringArray& channels, const CdlParameters& cdl)
{
    auto* request = makeGradingRequest ("setCDL", channels);
    request->setProperty ("slope", makeRgb (cdl.slope));
    request->setProperty ("offset", makeRgb (cdl.offset));
    request->setProperty ("power", makeRgb (cdl.power));
    request->setProperty ("saturation", cdl.saturation);
    return juce::var (request);
}

juce::var makeSetLutRequest (const juce::StringArray& channels, int size, const juce::String& dataType, juce::MemoryBlock data)
{
    auto* request = makeGradingRequest ("setLUT", channels);
    request->setProperty ("dataType", dataType);
    request->setProperty ("size", size);
    request->setProperty ("data", juce::var (std::move (data)));
    return juce::var (request);
}

} // namespace ambrel
