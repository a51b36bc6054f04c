#include "TorvoBootClasses.h"
#include "TorvoBootProgram.h"
#include "TorvoBootService.h"
#include "TorvoBootServiceLogic.h"

const TorvoBootProgramClass* TorvoBootProgramClass::instance = nullptr;
const TorvoBootServiceClass* TorvoBootServiceClass::instance = nullptr;
const TorvoBootServiceLogicClass* TorvoBootServiceLogicClass::instance = nullptr;

//==============================================================================
TorvoBootProgramClass::TorvoBootProgramClass()    { instance = this; }
TorvoBootProgramClass::~TorvoBootProgramClass()   { instance = nullptr; }

std::unique_ptr<tav::Object> TorvoBootProgramClass::createInstance() const
{
    return std::make_unique<TorvoBootProgram>();
}

//==============================================================================
TorvoBootServiceClass::TorvoBootServiceClass()
{
    instance = this;
    auto& context = tav::ExecutionContext::get();
    setAttribute (context, "userBasedConfiguration", tav::State ("false"));
    setAttribute (context, "versionBasedConfiguration", tav::State ("false"));
    setAttribute (context, "readOnlyConfiguration", tav::State ("true"));
    addMemberVariable (context, "TorvoBootConfiguration", "configuration", false, tav::StateMap());
}

TorvoBootServiceClass::~TorvoBootServiceClass()   { instance = nullptr; }

std::unique_ptr<tav::Object> TorvoBootServiceClass::createInstance() const
{
    return std::make_unique<TorvoBootService>();
}

//==============================================================================
TorvoBootServiceLogicClass::TorvoBootServiceLogicClass()    { instance = this; }
TorvoBootServiceLogicClass::~TorvoBootServiceLogicClass()   { instance = nullptr; }

std::unique_ptr<tav::Object> TorvoBootServiceLogicClass::createInstance() const
{
    return std::make_unique<TorvoBootServiceLogic>();
}
