#pragma once

#include <hostsys/ConsoleProcess.h>
#include <hostsys/Process.h>
#include <tavcore/ExecutionContext.h>
#include <tavcore/RecordingExecutionContextView.h>
#include <gtest/gtest.h>
#include <memory>

namespace hostsys_test
{

//==============================================================================
/** Collects the messages sent to the calling thread's context while it lives. */
class MessageRecorder
{
public:
    MessageRecorder()
    {
        auto owned = std::make_unique<tav::RecordingExecutionContextView>();
        view = owned.get();
        tav::ExecutionContext::get().addView (std::move (owned));
    }

    ~MessageRecorder()                 { tav::ExecutionContext::get().removeView (view); }

    /** All message texts so far, one per line. */
    juce::String getText() const
    {
        juce::StringArray texts;

        for (const auto& message : view->getMessages())
            texts.add (message.text);

        return texts.joinIntoString ("\n");
    }

    /** The number of error messages so far. */
    int countErrors() const
    {
        int count = 0;

        for (const auto& message : view->getMessages())
            count += message.level == tav::MessageLevel::error ? 1 : 0;

        return count;
    }

private:
    tav::RecordingExecutionContextView* view = nullptr;
};

//==============================================================================
/** A folder of its own for one test, removed at the end. */
class TemporaryFolder
{
public:
    TemporaryFolder()
        : folder (juce::File::getSpecialLocation (juce::File::tempDirectory)
                      .getChildFile ("hostsys-test-" + juce::Uuid().toString()))
    {
        folder.createDirectory();
    }

    ~TemporaryFolder()                 { folder.deleteRecursively(); }

    const juce::File& get() const      { return folder; }

private:
    juce::File folder;
};

//==============================================================================
/** The helper program built beside the tests. */
inline juce::File getTestChild()
{
    return juce::File::getSpecialLocation (juce::File::currentExecutableFile)
        .getSiblingFile (juce::String ("hostsys_test_child") + (juce::SystemStats::getOperatingSystemType() & juce::SystemStats::Windows ? ".exe" : ""));
}

/** A copy of the helper program under another file name, runnable. */
inline juce::File copyTestChild (const juce::File& folder, const juce::String& stem)
{
    const auto original = getTestChild();
    const auto copy = folder.getChildFile (stem + original.getFileExtension());
    original.copyFileTo (copy);
    copy.setExecutePermission (true);
    return copy;
}

/** Waits (bounded) until a file exists. */
inline bool waitForFile (const juce::File& file, int timeoutMs = 10000)
{
    const auto deadline = juce::Time::getMillisecondCounter() + (juce::uint32) timeoutMs;

    while (! file.existsAsFile())
    {
        if (juce::Time::getMillisecondCounter() >= deadline)
            return false;

        juce::Thread::sleep (10);
    }

    return true;
}

/** Waits (bounded) until a process id no longer runs. */
inline bool waitUntilGone (juce::uint64 processId, int timeoutMs = 10000)
{
    const auto deadline = juce::Time::getMillisecondCounter() + (juce::uint32) timeoutMs;

    while (os::Process::isProcessRunning (processId))
    {
        if (juce::Time::getMillisecondCounter() >= deadline)
            return false;

        juce::Thread::sleep (10);
    }

    return true;
}

/** The helper's control arguments followed by the test's own arguments; an
    unset report file means no report. */
inline juce::String childArguments (const juce::File& report, const juce::String& sleep, int exitCode,
                                    const juce::String& extraArguments = {})
{
    juce::String arguments;
    arguments << (report == juce::File() ? juce::String ("-") : report.getFullPathName().quoted())
              << " " << sleep << " " << exitCode;

    if (extraArguments.isNotEmpty())
        arguments << " " << extraArguments;

    return arguments;
}

/** Ends the processes a test started, whatever the test's outcome. */
class ProcessReaper
{
public:
    ~ProcessReaper()                   { os::Process::killAllInstances (ids); }

    void add (juce::uint64 id)         { ids.insert (id); }

private:
    std::set<juce::uint64> ids;
};

} // namespace hostsys_test
