#include "StoppableProcess.h"
#include <fcntl.h>
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

struct StoppableProcess::Native
{
    pid_t pid = -1;
    int exitCode = -1;
};

StoppableProcess::StoppableProcess (const juce::File& executable, const juce::StringArray& arguments, const juce::File& outputFile)
    : StoppableProcess (executable, arguments, outputFile, true)
{
}

StoppableProcess::StoppableProcess (const juce::File& executable, const juce::StringArray& arguments, const juce::File& outputFile, bool)
    : native (std::make_unique<Native>())
{
    std::vector<std::string> texts { executable.getFullPathName().toStdString() };
    for (auto& a : arguments)
        texts.push_back (a.toStdString());

    std::vector<char*> argv;
    for (auto& t : texts)
        argv.push_back (t.data());
    argv.push_back (nullptr);

    const auto output = outputFile.getFullPathName().toStdString();
    native->pid = ::fork();

    if (native->pid == 0)
    {
        const int fd = ::open (output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        ::dup2 (fd, 1);
        ::dup2 (fd, 2);
        ::execv (argv[0], argv.data());
        ::_exit (127);
    }
}

StoppableProcess::~StoppableProcess()
{
    if (native->pid > 0 && waitForExit (0) == -1)
    {
        ::kill (native->pid, SIGKILL);
        waitForExit (5000);
    }
}

bool StoppableProcess::isStarted() const noexcept   { return native->pid > 0; }
void StoppableProcess::requestStop()                { ::kill (native->pid, SIGTERM); }
void StoppableProcess::requestInterrupt()           { ::kill (native->pid, SIGINT); }

int StoppableProcess::waitForExit (int timeoutMs)
{
    const auto deadline = juce::Time::getMillisecondCounter() + (juce::uint32) timeoutMs;

    for (;;)
    {
        int status = 0;

        if (native->exitCode != -1)
            return native->exitCode;

        if (::waitpid (native->pid, &status, WNOHANG) == native->pid)
        {
            native->exitCode = WIFEXITED (status) ? WEXITSTATUS (status) : 128 + WTERMSIG (status);
            return native->exitCode;
        }

        if (juce::Time::getMillisecondCounter() >= deadline)
            return -1;

        juce::Thread::sleep (10);
    }
}
