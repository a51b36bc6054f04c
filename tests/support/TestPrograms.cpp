#include "TestPrograms.h"
#include "StoppableProcess.h"

namespace programs
{

juce::String executableName (const juce::String& stem)
{
    const bool windows = (juce::SystemStats::getOperatingSystemType() & juce::SystemStats::Windows) != 0;
    return stem + (windows ? ".exe" : "");
}

juce::File find (const juce::String& stem)
{
    return juce::File::getSpecialLocation (juce::File::currentExecutableFile).getSiblingFile (executableName (stem));
}

juce::File copyProgram (const juce::String& stem, const juce::File& folder)
{
    const auto original = find (stem);
    const auto copy = folder.getChildFile (original.getFileName());

    for (auto& library : original.getParentDirectory().findChildFiles (juce::File::findFiles, false, "*.dll"))
        if (! library.copyFileTo (folder.getChildFile (library.getFileName())))
            return {};

    if (! original.copyFileTo (copy))
        return {};

    copy.setExecutePermission (true);   // Windows has no such permission, and says so
    return copy;
}

Result run (const juce::String& stem, const juce::StringArray& arguments, int timeoutMs)
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

Result runSystemProgram (const juce::String& commandLine, int timeoutMs)
{
    juce::ChildProcess process;
    Result result;

    if (process.start (commandLine))
    {
        result.output = process.readAllProcessOutput();
        result.exitCode = process.waitForProcessToFinish (timeoutMs) ? (int) process.getExitCode() : -1;
    }

    return result;
}

//==============================================================================
juce::File getTestChild()
{
    return find ("hostsys_test_child");
}

juce::File copyTestChild (const juce::File& folder, const juce::String& stem)
{
    const auto original = getTestChild();
    const auto copy = folder.getChildFile (stem.isEmpty() ? original.getFileName() : stem + original.getFileExtension());
    original.copyFileTo (copy);
    copy.setExecutePermission (true);
    return copy;
}

juce::String childArguments (const juce::File& report, const juce::String& sleep, int exitCode, const juce::String& extraArguments)
{
    juce::String arguments;
    arguments << (report == juce::File() ? juce::String ("-") : report.getFullPathName().quoted())
              << " " << sleep << " " << exitCode;

    if (extraArguments.isNotEmpty())
        arguments << " " << extraArguments;

    return arguments;
}

} // namespace programs
