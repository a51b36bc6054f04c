#include "hostsys/Process.h"
#include "hostsys/ConsoleProcess.h"
#include "hostsys/ProcessTesting.h"
#include "ProcessMatching.h"
#include <tavcore/DynamicallyLinkedLibrary.h>
#include <tavcore/Program.h>
#include <map>
#include <mutex>

namespace os
{

Process::Options Process::Options::withExceptThisProcess (bool shouldExcept) const
{
    auto copy = *this;
    copy.exceptThisProcess = shouldExcept;
    return copy;
}

Process::Options Process::Options::withIgnoreDebugPostfix (bool shouldIgnore) const
{
    auto copy = *this;
    copy.ignoreDebugPostfix = shouldIgnore;
    return copy;
}

Process::Options Process::Options::withProcessHandles (std::vector<ProcessHandle>* handles) const
{
    auto copy = *this;
    copy.processHandles = handles;
    return copy;
}

Process::Options Process::Options::withArguments (const juce::String& argumentsToMatch) const
{
    auto copy = *this;
    copy.matchArguments = true;
    copy.arguments = argumentsToMatch;
    return copy;
}

Process::Options Process::Options::withArguments (const juce::String* argumentsToMatch) const
{
    if (argumentsToMatch == nullptr)
    {
        auto copy = *this;
        copy.matchArguments = false;
        copy.arguments = {};
        return copy;
    }

    return withArguments (*argumentsToMatch);
}

Process::Options Process::Options::withReturnOnlyFirstMatch (bool shouldReturnOnlyFirst) const
{
    auto copy = *this;
    copy.returnOnlyFirstMatch = shouldReturnOnlyFirst;
    return copy;
}

juce::File Process::getExecutableFileNextToCurrentOne (const juce::String& programName)
{
    const auto fileName = tav::DynamicallyLinkedLibrary::getFullNameFromReducedName (programName, tav::DynamicallyLinkedLibrary::executable, true);
    return tav::Program::getProgramDirectory (fileName);
}

namespace detail
{

namespace
{
    // Command lines a test hides from discovery: process id to the number
    // of reads still to come back empty.
    std::mutex hiddenCommandLinesLock;
    std::map<juce::uint64, int> hiddenCommandLines;
}

bool takeHiddenCommandLineRead (juce::uint64 processId)
{
    const std::lock_guard<std::mutex> guard (hiddenCommandLinesLock);
    const auto hidden = hiddenCommandLines.find (processId);

    if (hidden == hiddenCommandLines.end())
        return false;

    if (--hidden->second <= 0)
        hiddenCommandLines.erase (hidden);

    return true;
}

void openHandles (std::vector<juce::uint64>& ids, std::vector<ProcessHandle>& handles)
{
    std::vector<juce::uint64> opened;

    for (auto id : ids)
    {
        if (auto handle = ProcessHandle::open (id); handle.isValid())
        {
            opened.push_back (id);
            handles.push_back (std::move (handle));
        }
    }

    ids = std::move (opened);
}

juce::String normalisePath (const juce::String& path)
{
    const auto separator = juce::File::getSeparatorString();
    return path.replace ("/", separator).replace ("\\", separator);
}

ProcessMatcher::ProcessMatcher (const juce::String& executable, const Process::Options& options, bool shouldIgnoreCase)
    : ignoreCase (shouldIgnoreCase),
      ignoreDebugPostfix (options.ignoreDebugPostfix),
      matchArguments (options.matchArguments)
{
    const auto path = normalisePath (executable.trim());

    if (juce::File::isAbsolutePath (path))
    {
        wantedPath = getCanonicalExecutablePath (juce::File (path).getFullPathName());
        wantedFileName = juce::File (wantedPath).getFileName();
    }
    else
    {
        wantedFileName = path.fromLastOccurrenceOf (juce::File::getSeparatorString(), false, false);
    }

    if (matchArguments)
        wantedArguments = ConsoleProcess::splitCommandLine (options.arguments);
}

bool ProcessMatcher::namesEqual (const juce::String& a, const juce::String& b) const
{
    return ignoreCase ? a.equalsIgnoreCase (b) : a == b;
}

juce::String ProcessMatcher::reduceFileName (const juce::String& fileName) const
{
    if (! ignoreDebugPostfix)
        return fileName;

    const auto extensionStart = fileName.lastIndexOfChar ('.');
    const auto stem = extensionStart > 0 ? fileName.substring (0, extensionStart) : fileName;
    const auto extension = extensionStart > 0 ? fileName.substring (extensionStart) : juce::String();
    const juce::String postfix (Process::debugPostfix);

    const bool hasPostfix = ignoreCase ? stem.endsWithIgnoreCase (postfix) : stem.endsWith (postfix);

    if (hasPostfix && stem.length() > postfix.length())
        return stem.dropLastCharacters (postfix.length()) + extension;

    return fileName;
}

bool ProcessMatcher::fileNameMayMatch (const juce::String& fileName) const
{
    return namesEqual (reduceFileName (fileName), reduceFileName (wantedFileName));
}

bool ProcessMatcher::executableMatches (const juce::String& executablePath) const
{
    const auto path = normalisePath (executablePath);
    const auto fileName = path.fromLastOccurrenceOf (juce::File::getSeparatorString(), false, false);

    if (! fileNameMayMatch (fileName))
        return false;

    if (wantedPath.isEmpty())
        return true;

    if (! juce::File::isAbsolutePath (path))
        return false;

    const juce::File file (path);
    return namesEqual (file.getParentDirectory().getFullPathName(),
                       juce::File (wantedPath).getParentDirectory().getFullPathName());
}

juce::StringArray getCommandLineArguments (const juce::String& commandLine)
{
    const auto text = commandLine.trimStart();
    int end = 0;

    if (text.startsWithChar ('"'))
    {
        end = text.indexOfChar (1, '"');
        end = end < 0 ? text.length() : end + 1;
    }
    else
    {
        while (end < text.length() && text[end] != ' ' && text[end] != '\t')
            ++end;
    }

    return ConsoleProcess::splitCommandLine (text.substring (end));
}

bool ProcessMatcher::argumentsMatch (const juce::StringArray& processArguments) const
{
    return ! matchArguments || processArguments == wantedArguments;
}

} // namespace detail

void testing::hideCommandLineForReads (juce::uint64 processId, int reads)
{
    const std::lock_guard<std::mutex> guard (detail::hiddenCommandLinesLock);

    if (reads > 0)
        detail::hiddenCommandLines[processId] = reads;
    else
        detail::hiddenCommandLines.erase (processId);
}

} // namespace os
