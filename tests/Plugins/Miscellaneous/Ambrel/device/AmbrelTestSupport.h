#pragma once

#include <device/AmbrelDevice.h>
#include <GradingClient.h>
#include <protocol/GradingSession.h>
#include <gtest/gtest.h>
#include <torvocore/ControlDevice.h>
#include <functional>
#include <mutex>

//==============================================================================
/** Registers the frameworks' classes and the plug-in's library in the root
    library for the whole test run, as the host does when it loads the plug-in. */
void registerAmbrelClassesOnce();

/** A BSON request document built from name/value pairs, in order. */
juce::var makeDocument (std::initializer_list<std::pair<const char*, juce::var>> properties);

/** Encodes a document as a frame. */
std::vector<juce::uint8> encodeFrame (const juce::var& document);

/** Decodes a reply frame; void when it is empty or invalid. */
juce::var decodeReply (const std::vector<juce::uint8>& reply);

/** A frame of exactly totalLength bytes (at least 16): one binary element
    and no command. */
std::vector<juce::uint8> makeBinaryFrame (juce::uint32 totalLength);

/** A port that was free a moment ago. */
int findFreePort();

//==============================================================================
/** Records the notifications of a device and checks, for each, that no
    thread holds the device's channel lock while it is delivered. */
class RecordingListener : public torvo::ControlEventListener
{
public:
    explicit RecordingListener (torvo::AmbrelDevice& device);
    ~RecordingListener() override;

    juce::String getClassName() const override    { return "RecordingListener"; }

    void controllerChanged (torvo::ControlDevice&, const torvo::ControllerIdentifier& identifier,
                            const tav::Object& value, double, bool) override;

    /** "identifier: value state", one per notification, in order. */
    juce::StringArray getEvents() const;

    /** Notifications that arrived while the channel lock was held. */
    int getDeliveriesUnderChannelLock() const     { return underLock.load(); }

private:
    torvo::AmbrelDevice& device;
    mutable std::mutex mutex;
    juce::StringArray events;
    std::atomic<int> underLock { 0 };
};

//==============================================================================
/** A grading device with channels in use, listening on a free port. */
class ListeningDeviceFixture : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    /** A client connected to the device. */
    std::unique_ptr<ambrel::GradingClient> connectClient();

    /** Waits (generously) until the device's handshaken count is expected. */
    bool waitForClientCount (int expected);

    std::unique_ptr<torvo::AmbrelDevice> device;
    int port = 0;
};
