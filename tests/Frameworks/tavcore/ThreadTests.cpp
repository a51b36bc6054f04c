#include "MessageRecorder.h"
#include "TestClasses.h"
#include "Waiting.h"
#include <atomic>

using namespace tavtest;

namespace
{
    class CountingThread : public tav::Thread
    {
    public:
        CountingThread (bool failStart = false) : Thread ("counting", nullptr), shouldFail (failStart) {}
        ~CountingThread() override { stopTavThread (1000); }

        juce::String getClassName() const override { return "TestCountingThread"; }

        std::atomic<int> updates { 0 };
        std::atomic<bool> stopped { false };
        std::thread::id startedOn, updatedOn;

    protected:
        bool threadStarted (tav::SuccessStatus& status) override
        {
            startedOn = std::this_thread::get_id();
            tav::ExecutionContext::get().information ("started");

            if (shouldFail)
                status.setError ("cannot start", tav::ChangeCallback::none());

            return ! shouldFail;
        }

        void threadUpdate() override
        {
            updatedOn = std::this_thread::get_id();
            ++updates;
        }

        void threadStopped() override { stopped = true; }

    private:
        bool shouldFail;
    };
}

//==============================================================================
TEST (Threads, APumpedThreadRunsOnTheCallerWithItsOwnContext)
{
    CountingThread thread;
    const MessageRecorder recorder (thread.getExecutionContext());

    ASSERT_TRUE (thread.startTavThread (true));
    EXPECT_TRUE (thread.isRunning());
    EXPECT_EQ (thread.startedOn, std::this_thread::get_id());
    EXPECT_EQ (recorder.getLines(), juce::StringArray ("started"));

    thread.callThreadUpdate (false);
    thread.callThreadUpdate (false);
    EXPECT_EQ (thread.updates, 2);
    EXPECT_EQ (thread.updatedOn, std::this_thread::get_id());

    EXPECT_TRUE (thread.stopTavThread (100));
    EXPECT_TRUE (thread.stopped);
    EXPECT_FALSE (thread.isRunning());
}

TEST (Threads, PumpedUpdatesKeepTheFrameworkPeriod)
{
    CountingThread thread;
    ASSERT_TRUE (thread.startTavThread (true));
    const auto start = juce::Time::getMillisecondCounterHiRes();

    for (int i = 0; i < 5; ++i)
        thread.callThreadUpdate (true);

    // Five updates with waits: at least four whole periods, generously bounded above.
    const auto elapsed = juce::Time::getMillisecondCounterHiRes() - start;
    EXPECT_GE (elapsed, 4 * tav::Thread::updatePeriodMs - 5);
    EXPECT_LT (elapsed, 5000);
}

TEST (Threads, AnOwnThreadUpdatesPeriodicallyAndStopsWithinItsLimit)
{
    CountingThread thread;
    ASSERT_TRUE (thread.startTavThread (false));
    EXPECT_NE (thread.startedOn, std::this_thread::get_id());

    waitUntil ([&] { return thread.updates >= 3; }, 4000, 20);

    EXPECT_GE (thread.updates, 3);
    EXPECT_TRUE (thread.stopTavThread (2000));
    EXPECT_TRUE (thread.stopped);
    EXPECT_FALSE (thread.isRunning());
}

TEST (Threads, AFailedStartIsReportedOnTheThreadsContext)
{
    for (bool pumped : { true, false })
    {
        CountingThread thread (true);
        const MessageRecorder recorder (thread.getExecutionContext());
        EXPECT_FALSE (thread.startTavThread (pumped));
        EXPECT_FALSE (thread.isRunning());
        EXPECT_EQ (recorder.getLines(), juce::StringArray ({ "started", "Error: cannot start" }));
    }
}

TEST (Threads, EachThreadHasItsOwnDefaultContext)
{
    auto* mainContext = &tav::ExecutionContext::get();
    tav::ExecutionContext* otherContext = nullptr;
    std::thread other ([&] { otherContext = &tav::ExecutionContext::get(); });
    other.join();
    EXPECT_NE (mainContext, otherContext);

    tav::ExecutionContext scoped;
    {
        tav::ExecutionContext::ScopedCurrent current (scoped);
        EXPECT_EQ (&tav::ExecutionContext::get(), &scoped);
    }
    EXPECT_EQ (&tav::ExecutionContext::get(), mainContext);
}

TEST (OsErrors, HaveATextAndTheirCode)
{
    const auto text = tav::Thread::getOsErrorCodeString (2);
    EXPECT_TRUE (text.endsWith (" (2)")) << text;
    EXPECT_GT (text.length(), 4);
}
