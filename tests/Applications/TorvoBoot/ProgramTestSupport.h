#pragma once

#include <gtest/gtest.h>
#include <juce_core/juce_core.h>

//==============================================================================
/** The programs built beside the tests, and a way to run them to the end. */
namespace programs
{
    inline juce::String executableName (const juce::String& stem)
    {
        const bool windows = (juce::SystemStats::getOperatingSystemType() & juce::SystemStats::Windows) != 0;
        return stem + (windows ? ".exe" : "");
    }

    inline juce::File find (const juce::String& stem)
    {
        return juce::File::getSpecialLocation (juce::File::currentExecutableFile).getSiblingFile (executableName (stem));
    }

    /** The output and exit code of a program run to its end. */
    struct Result
    {
        juce::String output;
        int exitCode = -1;
    };

    inline Result run (const juce::String& stem, const juce::StringArray& arguments, int timeoutMs = 30000)
    {
        juce::StringArray commandLine (find (stem).getFullPathName());
        commandLine.addArray (arguments);
        juce::ChildProcess process;
        Result result;

        if (! process.start (commandLine))
            return result;

        result.output = process.readAllProcessOutput().replace ("\r\n", "\n");

        if (process.waitForProcessToFinish (timeoutMs))
            result.exitCode = (int) process.getExitCode();

        return result;
    }

    /** A folder of its own for one test, removed at the end. */
    class TemporaryFolder
    {
    public:
        TemporaryFolder()
            : folder (juce::File::getSpecialLocation (juce::File::tempDirectory).getChildFile ("torvoboot-test-" + juce::Uuid().toString()))
        {
            folder.createDirectory();
        }

        ~TemporaryFolder()             { folder.deleteRecursively(); }
        const juce::File& get() const  { return folder; }

    private:
        juce::File folder;
    };

    /** Waits (bounded) until a file exists. */
    inline bool waitForFile (const juce::File& file, int timeoutMs = 15000)
    {
        for (auto deadline = juce::Time::getMillisecondCounter() + (juce::uint32) timeoutMs; ! file.existsAsFile();)
        {
            if (juce::Time::getMillisecondCounter() >= deadline)
                return false;

            juce::Thread::sleep (20);
        }

        return true;
    }
}
