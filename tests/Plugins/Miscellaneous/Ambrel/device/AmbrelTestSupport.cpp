#include "AmbrelTestSupport.h"
#include <AmbrelPluginLibrary.h>
#include <bson/BsonCodec.h>
#include <Waiting.h>
#include <pixcore/PixcoreLibrary.h>
#include <torvocore/TorvoCoreLibrary.h>
#include <future>

void registerAmbrelClassesOnce()
{
    static const bool registered = []
    {
        auto& root = tav::Library::getRootLibrary();
        root.addLibrary (graphics::createPixcoreLibrary());
        root.addLibrary (torvo::createTorvoCoreLibrary());
        static torvo::srcLibrary library;
        return root.attachLibrary (library);
    }();

    ASSERT_TRUE (registered);
}

juce::var makeDocument (std::initializer_list<std::pair<const char*, juce::var>> properties)
{
    auto* document = new juce::DynamicObject();

    for (auto& [name, value] : properties)
        document->setProperty (name, value);

    return juce::var (document);
}

std::vector<juce::uint8> encodeFrame (const juce::var& document)
{
    return torvo::encodeBsonDocument (document);
}

juce::var decodeReply (const std::vector<juce::uint8>& reply)
{
    juce::var result;

    if (! reply.empty())
        torvo::decodeBsonDocument (reply.data(), reply.size(), result);

    return result;
}

std::vector<juce::uint8> makeBinaryFrame (juce::uint32 totalLength)
{
    std::vector<juce::uint8> frame (totalLength, 0);
    const auto putLength = [&frame] (size_t at, juce::uint32 value)
    {
        for (size_t i = 0; i < 4; ++i)
            frame[at + i] = (juce::uint8) (value >> (8 * i));
    };

    putLength (0, totalLength);
    frame[4] = 0x05;
    std::memcpy (frame.data() + 5, "data", 5);
    putLength (10, totalLength - 16);
    return frame;   // subtype 0, zero bytes, closing 0
}

int findFreePort()
{
    juce::StreamingSocket probe;
    probe.createListener (0, "127.0.0.1");
    return probe.getBoundPort();
}

//==============================================================================
RecordingListener::RecordingListener (torvo::AmbrelDevice& d) : device (d)
{
    device.addControlEventListener (this);
}

RecordingListener::~RecordingListener()
{
    device.removeControlEventListener (this);
}

void RecordingListener::controllerChanged (torvo::ControlDevice&, const torvo::ControllerIdentifier& identifier,
                                           const tav::Object& value, double, bool)
{
    // The lock is recursive, so only another thread can tell whether it is held.
    auto lockIsFree = std::async (std::launch::async, [this] { return device.isChannelLockFreeForTesting(); });

    if (! lockIsFree.get())
        ++underLock;

    const std::lock_guard<std::mutex> guard (mutex);
    events.add (identifier.toString() + ": " + value.saveState().toText (false));
}

juce::StringArray RecordingListener::getEvents() const
{
    const std::lock_guard<std::mutex> guard (mutex);
    return events;
}

//==============================================================================
void ListeningDeviceFixture::SetUp()
{
    registerAmbrelClassesOnce();
    device = std::make_unique<torvo::AmbrelDevice>();
    port = findFreePort();
    device->setListenPort (port);
    ASSERT_TRUE (device->initializeDevice());
    device->update ({});
    ASSERT_TRUE (device->getStatus().isSuccess()) << device->getStatus().getText();
}

void ListeningDeviceFixture::TearDown()
{
    if (device != nullptr)
        device->deinitializeDevice();

    device.reset();
}

std::unique_ptr<ambrel::GradingClient> ListeningDeviceFixture::connectClient()
{
    auto client = std::make_unique<ambrel::GradingClient>();
    juce::String error;
    EXPECT_TRUE (client->connect ("127.0.0.1", port, 5000, error)) << error;
    return client;
}

bool ListeningDeviceFixture::waitForClientCount (int expected)
{
    return waitUntil ([&] { return device->getHandshakenClientCount() == expected; }, 10000);
}
