#include "tavcore/Thread.h"

namespace tav
{

//==============================================================================
/** The operating-system thread of a thread that is not pumped by its caller. */
class Thread::OsThread : public juce::Thread
{
public:
    explicit OsThread (tav::Thread& ownerToRun)
        : juce::Thread (ownerToRun.getThreadName()), owner (ownerToRun) {}

    void run() override   { owner.runOwnThread(); }

    juce::WaitableEvent initialised;
    std::atomic<bool> initialisationSucceeded { false };

private:
    tav::Thread& owner;
};

//==============================================================================
Thread::Thread (const juce::String& threadName, Object* parentObject)
    : name (threadName)
{
    setParent (parentObject);
}

Thread::~Thread()
{
    // Owners stop their threads; this is the last safety net.
    jassert (! isRunning());
    if (osThread != nullptr)
        osThread->stopThread (1000);
}

bool Thread::startTavThread (bool updatesPumpedByCaller)
{
    if (isRunning())
        return false;

    pumpedByCaller = updatesPumpedByCaller;
    wakeUp.reset();

    if (pumpedByCaller)
    {
        if (! initialise())
            return false;

        nextUpdateDue = juce::Time::getMillisecondCounterHiRes();
        running = true;
        return true;
    }

    osThread = std::make_unique<OsThread> (*this);
    running = true;

    if (! osThread->startThread())
    {
        running = false;
        osThread.reset();
        context.error ("Could not start the thread " + name);
        return false;
    }

    osThread->initialised.wait (-1);

    if (! osThread->initialisationSucceeded)
    {
        osThread->stopThread (-1);
        osThread.reset();
        running = false;
        return false;
    }

    return true;
}

bool Thread::stopTavThread (int waitLimitMs)
{
    if (! isRunning())
        return true;

    bool stoppedInTime = true;

    if (pumpedByCaller)
    {
        ExecutionContext::ScopedCurrent current (context);
        threadStopped();
    }
    else
    {
        osThread->signalThreadShouldExit();
        wakeUp.signal();
        stoppedInTime = osThread->waitForThreadToExit (waitLimitMs);

        if (! stoppedInTime)
        {
            context.warning ("Thread " + name + " did not stop within " + juce::String (waitLimitMs) + " ms and was ended");
            osThread->stopThread (0);
        }

        osThread.reset();
    }

    running = false;
    return stoppedInTime;
}

void Thread::callThreadUpdate (bool waitForNextUpdate)
{
    jassert (pumpedByCaller);

    if (! isRunning())
        return;

    {
        ExecutionContext::ScopedCurrent current (context);
        threadUpdate();
    }

    if (waitForNextUpdate)
    {
        // Updates keep their period however long one takes, without bunching
        // up after a stall.
        const auto now = juce::Time::getMillisecondCounterHiRes();
        nextUpdateDue = juce::jmax (nextUpdateDue + updatePeriodMs, now);
        const auto waitMs = (int) (nextUpdateDue - now);

        if (waitMs > 0)
            wakeUp.wait (waitMs);
    }
}

//==============================================================================
bool Thread::initialise()
{
    ExecutionContext::ScopedCurrent current (context);
    SuccessStatus status;
    const bool ok = threadStarted (status) && status.isSuccess();

    if (! ok && status.getText().isNotEmpty())
        context.error (status.getText());

    return ok;
}

void Thread::runOwnThread()
{
    ExecutionContext::ScopedCurrent current (context);
    const bool ok = initialise();
    osThread->initialisationSucceeded = ok;
    osThread->initialised.signal();

    if (! ok)
        return;

    while (! osThread->threadShouldExit())
    {
        const auto started = juce::Time::getMillisecondCounterHiRes();
        threadUpdate();
        const auto elapsed = juce::Time::getMillisecondCounterHiRes() - started;
        wakeUp.wait (juce::jmax (1, updatePeriodMs - (int) elapsed));
    }

    threadStopped();
}

} // namespace tav
