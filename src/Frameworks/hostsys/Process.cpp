#include "hostsys/Process.h"
#include "hostsys/ConsoleProcess.h"
#include "ProcessMatching.h"

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

Process::Options Process::Options::withProcessHandles (std::vector<juce::uint64>* handles) const
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

namespace detail
{

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
} // namespace os
