#include "TorvoCoreTestClasses.h"
#include <mutex>
#include <thread>

namespace
{

using torvotest::TestControllerIdentifier;

/** Remembers each change it heard and the thread it heard it on. */
struct ThreadRecordingListener : public torvo::ControlEventListener
{
    juce::String getClassName() const override    { return "ThreadRecordingListener"; }

    void controllerChanged (torvo::ControlDevice&, const torvo::ControllerIdentifier& identifier, const tav::Object& value,
                            double, bool) override
    {
        const std::lock_guard<std::mutex> guard (mutex);
        threads.push_back (std::this_thread::get_id());
        events.add (identifier.toString() + "=" + value.saveState().getText());
    }

    juce::StringArray getEvents() const
    {
        const std::lock_guard<std::mutex> guard (mutex);
        return events;
    }

    mutable std::mutex mutex;
    std::vector<std::thread::id> threads;
    juce::StringArray events;
};

class ControlDeviceTest : public testing::Test
{
protected:
    void SetUp() override
    {
        torvotest::registerTestClassesOnce();
        device.addControlEventListener (&listener);
    }

    void TearDown() override    { device.removeControlEventListener (&listener); }

    void send (const juce::String& control, const juce::String& text)
    {
        device.sendControllerChangedNotification (TestControllerIdentifier (control), tav::String (text), -1.0, true);
    }

    static juce::StringArray expectedEvents (int count)
    {
        juce::StringArray expected;

        for (int i = 0; i < count; ++i)
            expected.add ("fader=" + juce::String (i));

        return expected;
    }

    torvotest::TestControlDevice device;
    ThreadRecordingListener listener;
};

TEST_F (ControlDeviceTest, WithoutQueuedDeliveryAChangeIsHeardAtOnceOnTheSendingThread)
{
    std::thread sender ([this] { send ("fader", "0"); });
    const auto senderId = sender.get_id();
    sender.join();

    EXPECT_EQ (listener.getEvents(), expectedEvents (1));
    ASSERT_EQ (listener.threads.size(), 1u);
    EXPECT_EQ (listener.threads[0], senderId);
}

TEST_F (ControlDeviceTest, QueuedChangesFromAnotherThreadAreHeardOnlyOnTheHostThreadInTheOrderSent)
{
    constexpr int numChanges = 200;
    device.deliverOnHostThread();
    std::atomic<bool> sent { false };

    std::thread sender ([&]
    {
        for (int i = 0; i < numChanges; ++i)
            send ("fader", juce::String (i));

        sent = true;
    });

    // Delivering while the sender is still sending interleaves the two
    // threads, which is where a change heard on the sender would show.
    while (! sent)
        device.deliverQueuedNotifications();

    sender.join();
    device.deliverQueuedNotifications();

    EXPECT_EQ (listener.getEvents(), expectedEvents (numChanges));
    const auto hostThread = std::this_thread::get_id();

    for (auto thread : listener.threads)
        ASSERT_EQ (thread, hostThread);
}

TEST_F (ControlDeviceTest, AQueuedChangeKeepsItsValuesAfterTheSenderLetThemGo)
{
    device.deliverOnHostThread();

    {
        TestControllerIdentifier identifier ("trim");
        tav::String value ("0.75");
        device.sendControllerChangedNotification (identifier, value, 12.5, false);
        identifier.name.set ("changed", tav::ChangeCallback::none());
        value.set ("changed", tav::ChangeCallback::none());
    }

    EXPECT_TRUE (listener.getEvents().isEmpty());
    device.deliverQueuedNotifications();
    EXPECT_EQ (listener.getEvents(), juce::StringArray ("trim=0.75"));
}

TEST_F (ControlDeviceTest, AChangeSentOnTheHostThreadWaitsBehindThoseAlreadyQueued)
{
    device.deliverOnHostThread();
    std::thread sender ([this] { send ("fader", "0"); });
    sender.join();
    send ("fader", "1");

    EXPECT_TRUE (listener.getEvents().isEmpty());
    device.deliverQueuedNotifications();
    EXPECT_EQ (listener.getEvents(), expectedEvents (2));
}

} // namespace
