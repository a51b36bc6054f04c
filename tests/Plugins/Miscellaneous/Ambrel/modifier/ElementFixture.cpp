#include "ElementFixture.h"
#include "AmbrelTestSupport.h"
#include <AmbrelClasses.h>
#include <Waiting.h>
#include <pixcore/Pixel3dBuffer.h>

using graphics::ColorBuffer2d;
namespace ref = graphics::reference;

namespace
{
    ColorBuffer2d makeImageOf (const std::vector<float>& values)
    {
        const int n = (int) values.size();
        ColorBuffer2d image (n * n, n);

        for (int y = 0; y < n; ++y)
            for (int x = 0; x < n * n; ++x)
                image.setPixel (x, y, { values[(size_t) (x % n)], values[(size_t) (x / n)], values[(size_t) y], 0.5f });

        return image;
    }

    juce::var makeRgb (const std::array<double, 3>& v)
    {
        return makeDocument ({ { "red", v[0] }, { "green", v[1] }, { "blue", v[2] } });
    }

    juce::var makeChannels (const juce::String& channel)
    {
        return juce::Array<juce::var> { juce::var (channel) };
    }
}

ColorBuffer2d makeGridImage()
{
    return makeImageOf ({ -0.5f, 0.0f, 0.03f, 0.18f, 0.5f, 0.77f, 1.0f, 1.6f });
}

ColorBuffer2d makeUnitRangeImage()
{
    return makeImageOf ({ 0.0f, 0.1f, 0.25f, 0.5f, 0.6f, 0.9f, 1.0f });
}

double measureErrorAgainstReference (const ColorBuffer2d& input, const ColorBuffer2d& output,
                                     const ref::Grade& grade, double renderingGamma)
{
    EXPECT_EQ (output.getWidth(), input.getWidth());
    EXPECT_EQ (output.getHeight(), input.getHeight());
    double largest = 0.0;

    for (int y = 0; y < juce::jmin (input.getHeight(), output.getHeight()); ++y)
        for (int x = 0; x < juce::jmin (input.getWidth(), output.getWidth()); ++x)
        {
            const auto in = input.getPixel (x, y);
            const auto expected = ref::computeGrade<double> ({ in[0], in[1], in[2], in[3] }, grade, renderingGamma);
            const auto got = output.getPixel (x, y);
            const float wanted[] = { expected.r, expected.g, expected.b, expected.a };

            for (size_t i = 0; i < 4; ++i)
                largest = std::max (largest, std::isnan (got[i]) ? 1.0e9 : (double) std::abs (got[i] - wanted[i]));
        }

    return largest;
}

//==============================================================================
void ElementFixture::SetUp()
{
    registerAmbrelClassesOnce();
    GraphicsTest::SetUp();

    if (IsSkipped() || HasFatalFailure())
        return;

    device = std::make_unique<torvo::AmbrelDevice>();
    port = findFreePort();
    device->setListenPort (port);
    ASSERT_TRUE (device->initializeDevice());
    device->update ({});
    engine.addDevice (*device);
    engine.setGraphics (context.get());
    element = createElement();
}

void ElementFixture::TearDown()
{
    if (element != nullptr)
        element->unload();

    element.reset();

    if (device != nullptr)
    {
        engine.removeDevice (*device);
        device->deinitializeDevice();
    }

    device.reset();
}

std::unique_ptr<torvo::AmbrelColorTextureModifier> ElementFixture::createElement()
{
    auto object = torvo::AmbrelColorTextureModifierClass::instance->createObject();
    auto* created = dynamic_cast<torvo::AmbrelColorTextureModifier*> (object.get());
    EXPECT_NE (created, nullptr);

    if (created == nullptr)
        return nullptr;

    object.release();
    std::unique_ptr<torvo::AmbrelColorTextureModifier> result (created);
    result->setEngine (&engine);
    EXPECT_TRUE (result->activate());
    return result;
}

std::unique_ptr<ambrel::GradingClient> ElementFixture::connectAndSayHello()
{
    auto client = std::make_unique<ambrel::GradingClient>();
    juce::String error;
    EXPECT_TRUE (client->connect ("127.0.0.1", port, 5000, error)) << error;
    juce::var reply;
    EXPECT_TRUE (client->request (makeDocument ({ { "command", "hello" } }), reply, error)) << error;
    return client;
}

void ElementFixture::sendOk (ambrel::GradingClient& client, const juce::var& request)
{
    juce::var reply;
    juce::String error;
    ASSERT_TRUE (client.request (request, reply, error)) << error;
    EXPECT_EQ (reply.getProperty ("result", {}).toString(), "ok") << juce::JSON::toString (reply, true);
}

void ElementFixture::sendCdl (ambrel::GradingClient& client, const ref::Cdl& cdl, const juce::String& channel)
{
    sendOk (client, makeDocument ({ { "command", "setCDL" }, { "protocol", "grading" }, { "channels", makeChannels (channel) },
                                    { "slope", makeRgb (cdl.slope) }, { "offset", makeRgb (cdl.offset) },
                                    { "power", makeRgb (cdl.power) }, { "saturation", cdl.saturation } }));
}

void ElementFixture::sendLut (ambrel::GradingClient& client, const ref::Lut3d& lut, const juce::String& channel)
{
    const auto& floats = lut.getRgbaFloats();
    juce::MemoryBlock data (floats.data(), floats.size() * sizeof (float));
    sendOk (client, makeDocument ({ { "command", "setLUT" }, { "protocol", "grading" }, { "channels", makeChannels (channel) },
                                    { "size", lut.getSize() }, { "dataType", "float32" }, { "data", data } }));
}

ColorBuffer2d ElementFixture::render (torvo::AmbrelColorTextureModifier& target, const ColorBuffer2d& image,
                                      double renderingGamma)
{
    auto input = context->createTexture2d (image.getWidth(), image.getHeight());
    input->upload (image);
    auto output = context->createTexture2d (image.getWidth(), image.getHeight());
    torvo::CompositingData data { input.get(), output.get(), {}, renderingGamma };

    return target.process (data) ? output->readBack() : ColorBuffer2d();
}

const graphics::Pixel3dBuffer& ElementFixture::getLutTexture() const
{
    const auto& texture = element->getShader().lutSampler.getTexture();
    jassert (texture != nullptr);
    return *texture;
}

bool ElementFixture::closeAndWaitForDisconnect (ambrel::GradingClient& client)
{
    RecordingListener afterTheElement (*device);
    client.close();
    return waitUntil ([&] { return afterTheElement.getEvents().joinIntoString ("\n").contains ("disconnected"); }, 10000);
}
