#include "ElementFixture.h"
#include "AmbrelTestSupport.h"
#include <AmbrelClasses.h>

using graphics::ColorBuffer2d;
namespace ref = graphics::reference;

namespace
{
    const juce::String errorPrefix = juce::String::fromUTF8 ("\xe2\x9d\x8c ");
    const juce::String warningPrefix = juce::String::fromUTF8 ("\xe2\x9a\xa0\xef\xb8\x8f ");
    const juce::String disconnected = errorPrefix + "Disconnected - go in Ambrel and connect to this device";

    /** Puts another shader text in the class attribute for the scope. */
    class ScopedShaderSource
    {
    public:
        explicit ScopedShaderSource (const juce::String& source)
            : modifierClass (const_cast<torvo::AmbrelColorModifierClass*> (
                  static_cast<const torvo::AmbrelColorModifierClass*> (torvo::AmbrelColorModifierClass::instance))),
              original (*modifierClass->getAttribute ("shaderSourceCode"))
        {
            modifierClass->setAttribute (tav::ExecutionContext::get(), "shaderSourceCode", tav::State (source));
        }

        ~ScopedShaderSource()
        {
            modifierClass->setAttribute (tav::ExecutionContext::get(), "shaderSourceCode", original);
        }

    private:
        torvo::AmbrelColorModifierClass* modifierClass;
        tav::State original;
    };
}

//==============================================================================
TEST_F (ElementFixture, ANewElementTakesTheGeneratedChannelAndIsNamedAfterIt)
{
    EXPECT_EQ (element->channel.get(), "channel-1");
    EXPECT_EQ (element->getFriendlyName(), "Ambrel channel-1");

    auto second = createElement();
    EXPECT_EQ (second->channel.get(), "channel-2");
    EXPECT_EQ (second->getFriendlyName(), "Ambrel channel-2");
    second->unload();
}

TEST_F (ElementFixture, TheStatusFollowsTheClientThroughConnectHelloAndDisconnect)
{
    EXPECT_EQ (element->status.get(), disconnected);

    auto client = connectAndSayHello();
    EXPECT_EQ (element->status.get(), "Connected");

    // A channel that the client's hello did not announce.
    auto late = createElement();
    EXPECT_EQ (late->status.get(), warningPrefix + "Ambrel hasn't picked up this channel yet - disconnect then reconnect the device in Ambrel");
    late->unload();

    ASSERT_TRUE (closeAndWaitForDisconnect (*client));
    EXPECT_EQ (element->status.get(), disconnected);
}

TEST_F (ElementFixture, AnUnknownOrRemovedDeviceLeavesTheElementRenderingItsLastValues)
{
    const ref::Cdl cdl { { 1.3, 0.8, 1.0 }, { 0.0, 0.05, 0.0 }, { 1.0, 1.0, 1.2 }, 0.9 };
    const auto input = makeGridImage();
    auto client = connectAndSayHello();
    sendCdl (*client, cdl);
    const auto graded = render (*element, input);

    element->device.getDeviceName().set ("Elsewhere", tav::ChangeCallback::notify());
    EXPECT_TRUE (element->status.get().startsWith (errorPrefix)) << element->status.get();
    EXPECT_EQ (render (*element, input).getPixel (5, 3), graded.getPixel (5, 3));

    element->device.getDeviceName().set ({}, tav::ChangeCallback::notify());
    engine.removeDevice (*device);
    EXPECT_EQ (render (*element, input).getPixel (5, 3), graded.getPixel (5, 3));
    element->activate();
    EXPECT_EQ (element->status.get(), errorPrefix + "No selected Ambrel device");
    EXPECT_EQ (device->makeDefaultChannelName(), "channel-1");  // released
    engine.addDevice (*device);
}

TEST_F (ElementFixture, AShaderThatDoesNotCompileBecomesTheStatusWithoutACrash)
{
    const ScopedShaderSource broken ("#include \"ColorModifier.sglsl\"\n"
                                     "struct AmbrelColorModifier : ColorModifier\n"
                                     "{\n"
                                     "    vec4 compute (vec4 colour, vec2 uv) { return colour * missingGain; }\n"
                                     "};\n");
    auto fresh = createElement();

    EXPECT_EQ (render (*fresh, makeGridImage()).getWidth(), 0);
    EXPECT_TRUE (fresh->status.get().startsWith (errorPrefix + "The shader AmbrelColorModifier.sglsl does not compile"))
        << fresh->status.get();
    fresh->unload();
}

TEST_F (ElementFixture, WithoutAGraphicsContextTheElementSaysSoAndRecoversWhenOneComes)
{
    engine.setGraphics (nullptr);
    EXPECT_EQ (render (*element, makeGridImage()).getWidth(), 0);
    EXPECT_TRUE (element->status.get().startsWith (errorPrefix + "No graphics context")) << element->status.get();

    engine.setGraphics (context.get());
    EXPECT_EQ (render (*element, makeGridImage()).getWidth(), makeGridImage().getWidth());
    EXPECT_EQ (element->status.get(), disconnected);
}

TEST_F (ElementFixture, AClientThatLeavesInTheMiddleOfASetLutChangesNothing)
{
    const auto lut = ref::Lut3d::sample (3, [] (ref::Rgb<double> c) { return ref::Rgb<double> { c.g, c.b, c.r }; });
    auto client = connectAndSayHello();
    sendLut (*client, lut);
    const auto input = makeGridImage();
    const auto graded = render (*element, input);
    const auto stored = element->lutUpdateCounter.get();

    const ref::Lut3d identity (3);
    const auto& floats = identity.getRgbaFloats();
    const auto frame = encodeFrame (makeDocument ({ { "command", "setLUT" }, { "protocol", "grading" },
                                                    { "channels", juce::Array<juce::var> { "channel-1" } }, { "size", 3 },
                                                    { "data", juce::MemoryBlock (floats.data(), floats.size() * sizeof (float)) } }));
    juce::String error;
    ASSERT_TRUE (client->sendBytes (frame.data(), frame.size() / 2, error)) << error;
    ASSERT_TRUE (closeAndWaitForDisconnect (*client));

    EXPECT_EQ (render (*element, input).getPixel (4, 2), graded.getPixel (4, 2));
    EXPECT_EQ (element->lutUpdateCounter.get(), stored);
    EXPECT_LE (measureErrorAgainstReference (input, render (*element, input), { {}, std::make_shared<ref::Lut3d> (lut), false }, 2.2), 1.0e-4);
}
