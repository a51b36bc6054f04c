#pragma once

#include <gtest/gtest.h>
#include <juce_core/juce_core.h>
#include <hostsys/Process.h>
#include "ScopedEnvironment.h"
#include "StoppableProcess.h"

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
        // Output goes through a file rather than a pipe: a program that ends
        // at once can leave a pipe unread on some systems (Wine among them).
        juce::TemporaryFile outputFile (".txt");
        Result result;

        {
            StoppableProcess process (find (stem), arguments, outputFile.getFile(), false);

            if (! process.isStarted())
                return result;

            result.exitCode = process.waitForExit (timeoutMs);
        }

        result.output = outputFile.getFile().loadFileAsString().replace ("\r\n", "\n");
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

    /** A copy of the test child program in a folder of the test's own, so
        that tests running side by side never find or end each other's children. */
    inline juce::File copyTestChild (const juce::File& folder)
    {
        const auto original = find ("hostsys_test_child");
        const auto copy = folder.getChildFile (original.getFileName());
        original.copyFileTo (copy);
        copy.setExecutePermission (true);
        return copy;
    }

    /** The running processes of an executable (by its full path). */
    inline std::vector<juce::uint64> findAllOf (const juce::File& executable)
    {
        return os::Process::findRunningProcessIds (executable.getFullPathName(), {});
    }

    /** Ends every running process of an executable (by its full path). */
    inline void killAllOf (const juce::File& executable)
    {
        const auto ids = findAllOf (executable);
        os::Process::killAllInstances (std::set<juce::uint64> (ids.begin(), ids.end()));
    }

    /** Runs a copy of TorvoBoot in the folder until its monitor runs
        interactively, then stops it, and returns its output. The copy's
        default applications (the host and launcher beside it) do not exist
        there. */
    inline juce::String runCopyUntilMonitoring (const juce::File& folder, const juce::StringArray& arguments)
    {
        ScopedEnvironment socket ("TORVO_BOOT_CONTROL_SOCKET", folder.getChildFile ("control").getFullPathName());
        const auto output = folder.getChildFile ("output.txt");
        const auto program = folder.getChildFile (executableName ("TorvoBoot"));

        if (! program.existsAsFile())
        {
            EXPECT_TRUE (find ("TorvoBoot").copyFileTo (program));
            program.setExecutePermission (true);
        }

        StoppableProcess boot (program, arguments, output);
        EXPECT_TRUE (boot.isStarted());

        for (int i = 0; i < 300 && ! output.loadFileAsString().contains ("press Ctrl+C"); ++i)
            juce::Thread::sleep (50);

        boot.requestStop();
        EXPECT_EQ (boot.waitForExit (15000), 0);
        return output.loadFileAsString().replace ("\r\n", "\n");
    }

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
