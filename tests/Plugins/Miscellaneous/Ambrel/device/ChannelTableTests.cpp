#include "AmbrelTestSupport.h"

TEST (ChannelTable, HoldersShareOneStateUntilTheLastRelease)
{
    torvo::AmbrelDevice device;
    juce::String a1 ("A"), a2 ("A");
    const auto first = device.acquireChannel (a1);
    const auto second = device.acquireChannel (a2);
    EXPECT_EQ (first, second);
    EXPECT_EQ (first->users, 2);

    device.releaseChannel ("A");
    EXPECT_EQ (first->users, 1);
    device.releaseChannel ("A");

    juce::String again ("A");
    EXPECT_NE (device.acquireChannel (again), first);
}

TEST (ChannelTable, EmptyNamesGetTheFirstFreeGeneratedName)
{
    torvo::AmbrelDevice device;
    juce::String n1, n2, n3;
    device.acquireChannel (n1);
    device.acquireChannel (n2);
    EXPECT_EQ (n1, "channel-1");
    EXPECT_EQ (n2, "channel-2");

    device.releaseChannel ("channel-1");
    device.acquireChannel (n3);
    EXPECT_EQ (n3, "channel-1");
}

TEST (ChannelTable, PickupStateIsNoClientWithoutHandshakenClients)
{
    torvo::AmbrelDevice device;
    EXPECT_EQ (device.channelPickupState ("A"), torvo::AmbrelDevice::PickupState::NoClient);

    juce::String name ("A");
    const auto held = device.acquireChannel (name);
    torvo::GradingSession session;
    EXPECT_EQ (device.pickUpChannelsInUse (session), juce::StringArray ("A"));
    EXPECT_EQ (device.channelPickupState ("A"), torvo::AmbrelDevice::PickupState::PickedUp);

    device.removeSessionShare (session);
    EXPECT_EQ (device.channelPickupState ("A"), torvo::AmbrelDevice::PickupState::NoClient);
}
