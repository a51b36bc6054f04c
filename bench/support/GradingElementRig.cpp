#include "GradingElementRig.h"

#include <AmbrelClasses.h>
#include <AmbrelPluginLibrary.h>
#include <GradingRequests.h>
#include <pixcore/Pixel3dBuffer.h>
#include <pixcore/PixcoreLibrary.h>
#include <torvocore/TorvoCoreLibrary.h>

#include <GL/gl.h>

namespace torvo::bench
{

namespace
{
    const juce::StringArray channels { "channel-1" };

    /** The grading classes, registered once for the process, as the host does when it loads the plug-in. */
    bool registerGradingClasses()
    {
        static const bool registered = []
        {
            auto& root = tav::Library::getRootLibrary();
            root.addLibrary (graphics::createPixcoreLibrary());
            root.addLibrary (createTorvoCoreLibrary());
            static srcLibrary library;
            return root.attachLibrary (library);
        }();

        return registered;
    }

    int findUnusedPort()
    {
        juce::StreamingSocket probe;
        probe.createListener (0, "127.0.0.1");
        return probe.getBoundPort();
    }

    bool fail (juce::String& error, const juce::String& reason)
    {
        error = reason;
        return false;
    }

    graphics::ColorBuffer2d toColorBuffer (const graphics::reference::FloatImage& image)
    {
        graphics::ColorBuffer2d buffer (image.getWidth(), image.getHeight());

        for (int y = 0; y < image.getHeight(); ++y)
            for (int x = 0; x < image.getWidth(); ++x)
            {
                const auto p = image.getPixel (x, y);
                buffer.setPixel (x, y, { p.r, p.g, p.b, p.a });
            }

        return buffer;
    }
}

//==============================================================================
std::unique_ptr<GradingElementRig> GradingElementRig::create (const graphics::reference::FloatImage& image, juce::String& error)
{
    std::unique_ptr<GradingElementRig> rig (new GradingElementRig());
    return rig->start (image, error) ? std::move (rig) : nullptr;
}

GradingElementRig::~GradingElementRig()
{
    client.close();

    if (element != nullptr)
        element->unload();

    element.reset();

    if (device != nullptr)
    {
        engine.removeDevice (*device);
        device->deinitializeDevice();
    }
}

bool GradingElementRig::start (const graphics::reference::FloatImage& image, juce::String& error)
{
    if (! registerGradingClasses())
        return fail (error, "the grading classes could not be registered");

    auto outcome = juce::Result::ok();
    context = graphics::GraphicsContext::create (outcome);

    if (context == nullptr)
        return fail (error, outcome.getErrorMessage());

    const auto port = findUnusedPort();
    device = std::make_unique<AmbrelDevice>();
    device->setListenPort (port);

    if (! device->initializeDevice())
        return fail (error, "the grading device did not start");

    device->update ({});
    engine.addDevice (*device);
    engine.setGraphics (context.get());

    auto object = AmbrelColorTextureModifierClass::instance->createObject();
    element.reset (dynamic_cast<AmbrelColorTextureModifier*> (object.get()));

    if (element == nullptr)
        return fail (error, "the element class made something else");

    object.release();
    element->setEngine (&engine);

    if (! element->activate())
        return fail (error, "the element did not activate");

    input = context->createTexture2d (image.getWidth(), image.getHeight());
    input->upload (toColorBuffer (image));
    output = context->createTexture2d (image.getWidth(), image.getHeight());

    return client.connect ("127.0.0.1", port, 5000, error) && sendOk (ambrel::makeHelloRequest(), error);
}

bool GradingElementRig::sendOk (const juce::var& request, juce::String& error)
{
    juce::var reply;

    if (! client.request (request, reply, error))
        return false;

    if (reply.getProperty ("result", {}).toString() == "ok")
        return true;

    error = juce::JSON::toString (reply, true);
    return false;
}

bool GradingElementRig::sendCdl (const graphics::reference::Cdl& cdl, juce::String& error)
{
    return sendOk (ambrel::makeSetCdlRequest (channels, { cdl.slope, cdl.offset, cdl.power, cdl.saturation }), error);
}

bool GradingElementRig::sendLut (const graphics::reference::Lut3d& lut, juce::String& error)
{
    const auto& floats = lut.getRgbaFloats();
    return sendOk (ambrel::makeSetLutRequest (channels, lut.getSize(), "float32",
                                              juce::MemoryBlock (floats.data(), floats.size() * sizeof (float))), error);
}

bool GradingElementRig::render()
{
    CompositingData data { input.get(), output.get(), {}, 2.2 };
    return element->process (data);
}

void GradingElementRig::finish()
{
    glFinish();
}

graphics::ColorBuffer2d GradingElementRig::readBack() const
{
    return output->readBack();
}

int GradingElementRig::getNumLutUploads() const
{
    const auto& texture = element->getShader().lutSampler.getTexture();
    return texture != nullptr ? texture->getNumUploads() : 0;
}

} // namespace torvo::bench
