#include "TorvoNetConfiguratorProgram.h"

int main (int argc, char* argv[])
{
    juce::JUCEApplicationBase::createInstance = [] { return ::tav::Program::createApplication (new gui::tav::TorvoNetConfiguratorProgram); };
    return juce::JUCEApplicationBase::main (argc, const_cast<const char**> (argv));
}
