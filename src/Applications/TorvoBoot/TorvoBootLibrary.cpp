#include "TorvoBootLibrary.h"
#include "TorvoBootClasses.h"

TorvoBootLibrary::TorvoBootLibrary (const juce::File& folder)
    : Library ("TorvoBoot"), sourceDirectory (folder)
{
    addClass ("TorvoBootServiceLogic", std::make_unique<TorvoBootServiceLogicClass>());
    addClass ("TorvoBootService", std::make_unique<TorvoBootServiceClass>());
    addClass ("TorvoBootProgram", std::make_unique<TorvoBootProgramClass>());
}

TorvoBootLibrary::~TorvoBootLibrary()
{
    removeClass ("TorvoBootProgram");
    removeClass ("TorvoBootService");
    removeClass ("TorvoBootServiceLogic");
}
