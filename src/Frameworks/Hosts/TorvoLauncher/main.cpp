#include "TorvoLauncherProgram.h"

int main (int argc, char* argv[])
{
    juce::JUCEApplicationBase::createInstance = [] { return tav::Program::createApplication (new TorvoLauncherProgram); };
    return juce::JUCEApplicationBase::main (argc, const_cast<const char**> (argv));
}
