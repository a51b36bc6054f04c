#include "ServerInformationSamples.h"
#include "TorvoCoreTestClasses.h"
#include <tavcore/Library.h>
#include <torvocore/StorageDevice.h>
#include <torvocore/TorvoNetServerEngineComponent.h>

namespace
{

class ServerInformationTest : public testing::Test
{
protected:
    void SetUp() override    { torvotest::registerTestClassesOnce(); }
};

juce::String stateText (const tav::Object& object)
{
    return object.saveState().toText (false);
}

//==============================================================================
TEST_F (ServerInformationTest, TheRecordsClassesAgreeWithTheirObjects)
{
    for (auto* name : { "TorvoServerInformation", "NetworkAdapter", "MemoryUsage", "DeviceDescription",
                        "TorvoNetServerEngineComponent", "StorageDevice" })
    {
        const auto* c = tav::getClass (name);
        ASSERT_NE (c, nullptr) << name;
        EXPECT_TRUE (c->checkDeclaration().wasOk()) << name << ": " << c->checkDeclaration().getErrorMessage();
    }

    EXPECT_EQ (torvo::TorvoServerInformation::getStaticClass(), tav::getClass ("TorvoServerInformation"));
    EXPECT_TRUE (tav::getClass ("StorageDevice")->inheritsFrom (tav::getClass ("Device")));
    EXPECT_TRUE (tav::getClass ("Tool")->inheritsFrom (tav::getClass ("Element")));
}

TEST_F (ServerInformationTest, ACopySharesNothingWithItsSource)
{
    torvo::TorvoServerInformation source;
    torvotest::fillSampleInformation (source);

    torvo::TorvoServerInformation copy;
    torvotest::addAdapter (copy, "stale", "10.0.0.1", true);
    copy = source;
    EXPECT_EQ (stateText (copy), stateText (source));

    source.networkAdapters.get (0)->name.set ("changed", tav::ChangeCallback::none());
    source.devices.clear (tav::ChangeCallback::none());
    source.systemMemory.setBytes (1, 2);

    EXPECT_EQ (copy.networkAdapters.get (0)->name.get(), "eth0");
    EXPECT_EQ (copy.devices.size(), 2u);
    EXPECT_EQ (copy.systemMemory.toString(), "3.1 GB / 15.6 GB");
    EXPECT_EQ (copy.networkAdapters.get (0)->getParent(), &copy.networkAdapters);
}

TEST_F (ServerInformationTest, TheStateReadsBackIntoAnEqualRecord)
{
    torvo::TorvoServerInformation source;
    torvotest::fillSampleInformation (source);

    const auto text = stateText (source);
    tav::State state;
    ASSERT_TRUE (tav::State::parse (text, "test", state).wasOk());

    torvo::TorvoServerInformation loaded;
    const auto result = loaded.loadState (state, "test");
    ASSERT_TRUE (result.wasOk()) << result.getErrorMessage();
    EXPECT_EQ (stateText (loaded), text);
    EXPECT_EQ (loaded.devices.get (0)->getDeviceClass(), torvo::StorageDevice::getStaticClass());
    EXPECT_EQ (loaded.devices.get (1)->getDeviceClass(), tav::getClass ("Device"));
}

TEST_F (ServerInformationTest, TheTextFormsAreWhatThePanelShows)
{
    torvo::TorvoServerInformation information;
    torvotest::fillSampleInformation (information);

    EXPECT_EQ (information.networkAdapters.get (0)->toString(), "eth0 (192.168.1.20)");
    EXPECT_EQ (information.networkAdapters.get (1)->toString(), "wlan0");
    EXPECT_EQ (information.videoMemory.toString(), "1.0 GB / 8.0 GB");
    EXPECT_EQ (information.frameRate.toString(), "59.9");
    EXPECT_EQ (information.frameRatePercent.toString(), "100");
    EXPECT_EQ (information.projectFile.toString(), "Grand Finale.torvo");

    torvo::MemoryUsage memory;
    EXPECT_EQ (memory.toString(), "unknown");
    memory.setBytes (300ull << 20, 900ull << 20);
    EXPECT_EQ (memory.toString(), "300.0 MB / 900.0 MB");
}

TEST_F (ServerInformationTest, TheEngineFindsItsComponentByClassAndItsInformationByName)
{
    torvo::Engine engine;
    torvo::TorvoNetServerEngineComponent component;
    const auto* componentClass = tav::getClass ("TorvoNetServerEngineComponent");

    EXPECT_EQ (engine.findExtensionByClass (componentClass), nullptr);

    engine.addExtension (component);
    EXPECT_EQ (engine.findExtensionByClass (componentClass), &component);
    EXPECT_EQ (engine.findExtensionByClass (tav::getClass ("StorageDevice")), nullptr);
    EXPECT_EQ (engine.findExtensionByClass (nullptr), nullptr);
    EXPECT_EQ (component.getVariableByName ("information"), &component.information);
    EXPECT_EQ (component.getVariableByName ("nothing"), nullptr);

    engine.removeExtension (component);
    EXPECT_EQ (engine.findExtensionByClass (componentClass), nullptr);
}

} // namespace
