#pragma once

#include <juce_core/juce_core.h>

//==============================================================================
/** The programs built beside the tests (TorvoBoot, the Torvo host, the test
    child), and ways to run them. */
namespace programs
{
    /** A program's file name on this platform: the stem, plus ".exe" on Windows. */
    juce::String executableName (const juce::String& stem);

    /** The program of a stem beside the test executable. */
    juce::File find (const juce::String& stem);

    /** A runnable copy, in a folder, of the program of a stem beside the
        tests, with the shared libraries it loads from its own folder (on
        Windows the frameworks' DLL) copied beside it; the copy, or a
        nonexistent file when it could not be made. */
    juce::File copyProgram (const juce::String& stem, const juce::File& folder);

    /** The output and exit code of a program run to its end. */
    struct Result
    {
        juce::String output;
        int exitCode = -1;
    };

    /** Runs a program beside the tests to its end (at most timeoutMs; then
        the exit code is -1), its output gathered through a file. */
    Result run (const juce::String& stem, const juce::StringArray& arguments, int timeoutMs = 30000);

    /** Runs a command line of the system's own programs (found as the
        system finds them, "net start TorvoBoot") to its end, at most
        timeoutMs; then the exit code is -1. */
    Result runSystemProgram (const juce::String& commandLine, int timeoutMs = 60000);

    //==============================================================================
    // The test child (hostsys_test_child) is a small program that the process
    // tests start, find and end:
    //
    //   hostsys_test_child <report file | -> <sleep ms>[!] <exit code> [argument...]
    //
    // It writes its working directory and its further arguments to the report
    // file (complete once it exists), sleeps, and exits with the exit code; a
    // "!" after the sleep time makes it ignore SIGTERM.

    /** The test child beside the test executable. */
    juce::File getTestChild();

    /** A runnable copy of the test child in a folder, named stem (plus the
        platform's extension), or with the child's own file name when stem is
        empty, so that tests running side by side never find or end each
        other's children. */
    juce::File copyTestChild (const juce::File& folder, const juce::String& stem = {});

    /** The test child's control arguments followed by the test's own ones;
        an unset report file means no report. */
    juce::String childArguments (const juce::File& report, const juce::String& sleep, int exitCode,
                                 const juce::String& extraArguments = {});
}
