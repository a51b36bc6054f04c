#pragma once

#include "tavcore/Object.h"
#include "tavcore/ExecutionContext.h"
#include "tavcore/SuccessStatus.h"
#include <atomic>
#include <memory>

namespace tav
{

//==============================================================================
/**
    A framework thread: initialised once, then updated periodically until it
    is stopped.

    It runs either on a thread of its own or, when started with
    updatesPumpedByCaller, on whichever thread calls callThreadUpdate(), which
    is how a console program's main thread drives a service. Either way the
    thread's own execution context is current while its hooks run.
*/
class Thread : public Object
{
public:
    /** The framework's update period: short enough for prompt reactions,
        long enough that an idle thread costs next to nothing. */
    static constexpr int updatePeriodMs = 100;

    Thread (const juce::String& threadName, Object* parentObject);
    ~Thread() override;

    /** Starts the thread: initialises it and, unless the caller pumps the
        updates, starts an operating-system thread that updates it every
        period. Returns false when the initialisation fails (its error is
        reported on the thread's context) or the thread already runs. */
    bool startTavThread (bool updatesPumpedByCaller);

    /** Asks the thread to stop and waits at most waitLimitMs for it.
        Returns false when it had to be ended forcibly. */
    bool stopTavThread (int waitLimitMs);

    /** True between a successful start and the stop. */
    bool isRunning() const noexcept               { return running.load(); }

    /** Runs one update on the calling thread (pumped threads only). With
        waitForNextUpdate, then waits until the next update is due. */
    void callThreadUpdate (bool waitForNextUpdate);

    /** The context that receives this thread's messages. */
    ExecutionContext& getExecutionContext() noexcept  { return context; }

    /** The thread's name. */
    const juce::String& getThreadName() const noexcept { return name; }

    //==============================================================================
    /** The calling thread's last operating-system error code; with clear, the
        code is reset afterwards. */
    static juce::uint32 getLastOsErrorCode (bool clear);

    /** The operating system's text for an error code, followed by the code. */
    static juce::String getOsErrorCodeString (juce::uint32 errorCode);

protected:
    /** Called once on the thread before the first update. */
    virtual bool threadStarted (SuccessStatus& status) = 0;

    /** Called on every update. */
    virtual void threadUpdate() = 0;

    /** Called once on the thread after the last update. */
    virtual void threadStopped() {}

private:
    class OsThread;

    void runOwnThread();
    bool initialise();

    juce::String name;
    ExecutionContext context;
    std::atomic<bool> running { false };
    bool pumpedByCaller = false;
    juce::WaitableEvent wakeUp;
    double nextUpdateDue = 0.0;
    std::unique_ptr<OsThread> osThread;
};

} // namespace tav
