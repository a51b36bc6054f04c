#pragma once

#include <gtest/gtest.h>
#include <juce_core/juce_core.h>
#include "ScopedEnvironment.h"
#include "StoppableProcess.h"
#include "TestPrograms.h"
#include "Waiting.h"

namespace programs
{
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

        waitForText (output, "press Ctrl+C", 15000, 50);

        boot.requestStop();
        EXPECT_EQ (boot.waitForExit (15000), 0);
        return output.loadFileAsString().replace ("\r\n", "\n");
    }
}
