#include "tavcore/Program.h"
#include "tavcore/ConsoleStopHandler.h"
#include "tavcore/Library.h"
#include <cstdlib>

namespace tav
{

//==============================================================================
/** The JUCE application that runs a program. */
class Program::Application : public juce::JUCEApplicationBase
{
public:
    explicit Application (Program* programToRun) : program (programToRun) {}

    const juce::String getApplicationName() override      { return program->getVersion().getName(); }
    const juce::String getApplicationVersion() override   { return program->getVersion().getVersionNumberText(); }
    bool moreThanOneInstanceAllowed() override            { return true; }

    void initialise (const juce::String&) override
    {
        ExecutionContext::ScopedCurrent current (program->getExecutionContext());
        program->addLibraries (Library::getRootLibrary());

        if (const auto status = program->getCurrentStatusString(); status.isNotEmpty())
            program->getExecutionContext().information (status);

        startSucceeded = program->startProgram();

        if (! startSucceeded)
            program->quit (false);
    }

    void shutdown() override
    {
        int exitCode = 1;

        {
            ExecutionContext::ScopedCurrent current (program->getExecutionContext());
            exitCode = program->programStopped();
            program->removeLibraries (Library::getRootLibrary());
        }

        program.reset();
        setApplicationReturnValue (startSucceeded ? exitCode : 1);
    }

    void systemRequestedQuit() override
    {
        auto* running = program.get();

        running->systemRequestedQuit (! running->isCurrentlyStopping(), [running] (bool shouldQuit)
        {
            if (shouldQuit)
                running->quit (false);
        });
    }

    void anotherInstanceStarted (const juce::String&) override {}
    void suspended() override {}
    void resumed() override {}

    void unhandledException (const std::exception* e, const juce::String& sourceFile, int lineNumber) override
    {
        program->getExecutionContext().error ("Unhandled exception " + juce::String (e != nullptr ? e->what() : "")
                                              + " at " + sourceFile + ":" + juce::String (lineNumber));
    }

private:
    std::unique_ptr<Program> program;
    bool startSucceeded = false;
};

//==============================================================================
Program::Program (const juce::String& name, const juce::String& releaseLabel,
                  int major, int minor, int patch, const juce::String& buildIdentifier)
    : version (name, releaseLabel, major, minor, patch, buildIdentifier)
{
    version.setParent (this);
}

Program::~Program() = default;

juce::JUCEApplicationBase* Program::createApplication (Program* programToRun)
{
    return new Application (programToRun);
}

void Program::systemRequestedQuit (bool mayAskUser, std::function<void (bool)> completion)
{
    juce::ignoreUnused (mayAskUser);

    if (completion != nullptr)
        completion (true);
}

void Program::quit (bool immediately)
{
    stopping = true;

    if (immediately)
        std::_Exit (1);

    juce::JUCEApplicationBase::quit();
}

bool Program::isCurrentlyStopping() const noexcept
{
    return stopping.load() || ConsoleStopHandler::wasStopRequested();
}

void Program::activateConsoleStopHandler (bool shouldBeActive)
{
    ConsoleStopHandler::setActive (shouldBeActive);
}

juce::File Program::getProgramDirectory (const juce::String& relativePath)
{
    const auto folder = juce::File::getSpecialLocation (juce::File::currentExecutableFile).getParentDirectory();
    return relativePath.isEmpty() ? folder : folder.getChildFile (relativePath);
}

std::map<juce::String, juce::String> Program::getCommandLineArgumentsAndValues (const juce::String& separator)
{
    return splitArgumentsAndValues (juce::JUCEApplicationBase::getCommandLineParameterArray(), separator);
}

std::map<juce::String, juce::String> Program::splitArgumentsAndValues (const juce::StringArray& arguments,
                                                                      const juce::String& separator)
{
    std::map<juce::String, juce::String> result;

    for (auto& argument : arguments)
    {
        const int split = separator.isEmpty() ? -1 : argument.indexOf (separator);
        const auto name = split < 0 ? argument : argument.substring (0, split);
        const auto value = split < 0 ? juce::String() : argument.substring (split + separator.length());
        result.emplace (name, value);
    }

    return result;
}

} // namespace tav
