#include "ElementFixture.h"
#include "AmbrelTestSupport.h"
#include <AmbrelClasses.h>
#include <device/AmbrelCdlData.h>
#include <device/AmbrelCdlIdentifier.h>
#include <tavcore/Library.h>

namespace
{
    class AmbrelModifierClasses : public testing::Test
    {
    protected:
        void SetUp() override     { registerAmbrelClassesOnce(); }
    };
}

//==============================================================================
TEST_F (AmbrelModifierClasses, TheShaderTextIsCarriedPackedAndUnpacksToTheShaderFile)
{
    const auto* source = torvo::AmbrelColorModifierClass::instance->getAttribute ("shaderSourceCode");
    ASSERT_NE (source, nullptr);

    const auto file = juce::File (AMBREL_SHADER_FILE).loadFileAsString();
    ASSERT_TRUE (file.isNotEmpty());
    EXPECT_EQ (source->getText(), file);
    EXPECT_EQ (source->getData().getSize(), (size_t) file.getNumBytesAsUTF8());
}

TEST_F (AmbrelModifierClasses, TheElementDeclaresItsElevenVariablesWithTheirDefaults)
{
    auto object = torvo::AmbrelColorTextureModifierClass::instance->createObject();
    ASSERT_NE (object, nullptr);
    auto& element = dynamic_cast<torvo::AmbrelColorTextureModifier&> (*object);

    juce::StringArray names;

    for (size_t i = 0; i < element.getNumMemberVariableObjects(); ++i)
        names.add (element.getMemberVariableName (i));

    EXPECT_EQ (names, juce::StringArray ({ "status", "device", "channel", "slope", "offset", "power", "saturation",
                                           "lutUpdateCounter", "lutBuffer", "cdlActive", "eventCallback" }));
    EXPECT_EQ (element.slope.get(), (graphics::Vector4dComponents { 1, 1, 1, 1 }));
    EXPECT_EQ (element.power.get(), (graphics::Vector4dComponents { 1, 1, 1, 1 }));
    EXPECT_EQ (element.offset.get(), (graphics::Vector4dComponents {}));
    EXPECT_EQ (element.saturation.get(), 1.0);
    EXPECT_TRUE (element.cdlActive.get());
    EXPECT_EQ (element.lutBuffer.get(), nullptr);

    struct Expected { const char* name; bool editable, visible; };
    const Expected expected[] = { { "status", false, true }, { "device", true, true }, { "channel", true, true },
                                  { "slope", false, true }, { "saturation", false, true },
                                  { "lutUpdateCounter", true, false }, { "lutBuffer", true, false },
                                  { "cdlActive", true, false }, { "eventCallback", true, false } };

    for (const auto& e : expected)
    {
        const auto index = (size_t) element.findMemberVariableIndex (e.name);
        torvo::VariableDependencies dependencies;
        EXPECT_EQ (element.isVariableEditable (index), e.editable) << e.name;
        EXPECT_EQ (element.isVariableVisible (index, dependencies), e.visible) << e.name;
        EXPECT_TRUE (dependencies.contains ("cdlActive")) << e.name;
    }
}

TEST_F (AmbrelModifierClasses, AListenerWithoutAnOwningElementIgnoresNotifications)
{
    torvo::AmbrelDevice device;
    torvo::AmbrelControlEventListener orphan;
    EXPECT_NO_FATAL_FAILURE (orphan.controllerChanged (device, torvo::AmbrelCdlIdentifier ("A"), torvo::AmbrelCdlData(), -1.0, true));
}

//==============================================================================
TEST_F (ElementFixture, GradesForAnotherChannelLeaveTheElementAlone)
{
    auto other = createElement();
    ASSERT_EQ (other->channel.get(), "channel-2");
    auto client = connectAndSayHello();

    sendCdl (*client, { { 2, 2, 2 }, { 0, 0, 0 }, { 1, 1, 1 }, 1.0 }, "channel-2");
    sendLut (*client, graphics::reference::Lut3d (2), "channel-2");

    EXPECT_EQ (element->slope.get(), (graphics::Vector4dComponents { 1, 1, 1, 1 }));
    EXPECT_TRUE (element->cdlActive.get());
    EXPECT_EQ (element->lutBuffer.get(), nullptr);
    EXPECT_FALSE (other->cdlActive.get());
    EXPECT_EQ (other->slope.get(), (graphics::Vector4dComponents { 2, 2, 2, 1 }));
    other->unload();
}

TEST_F (ElementFixture, AnElementPlacedBeforeItsDeviceAttachesAtItsNextFrameAndTakesTheChannelsGrade)
{
    element->unload();
    engine.removeDevice (*device);
    element = createElement();
    EXPECT_EQ (element->channel.get(), "");
    EXPECT_EQ (element->status.get(), juce::String::fromUTF8 ("\xe2\x9d\x8c ") + "No selected Ambrel device");

    // A grade that reached the channel before the element held it.
    juce::String name = "Main";
    auto holder = device->acquireChannel (name);
    auto client = connectAndSayHello();
    sendCdl (*client, { { 0.5, 1, 1 }, { 0, 0, 0 }, { 1, 1, 1 }, 1.0 }, "Main");

    element->channel.set ("Main", tav::ChangeCallback::notify());
    engine.addDevice (*device);
    render (*element, makeGridImage());

    EXPECT_EQ (element->slope.get(), (graphics::Vector4dComponents { 0.5, 1, 1, 1 }));
    EXPECT_EQ (element->getFriendlyName(), "Ambrel Main");
    EXPECT_EQ (element->status.get(), "Connected");  // hello announced "Main", which was held then
    element->unload();
    device->releaseChannel (name);
}
