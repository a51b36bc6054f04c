#include "TorvoBootClasses.h"
#include "TorvoBootProgram.h"
#include "TorvoBootService.h"
#include "TorvoBootServiceLogic.h"

//==============================================================================
TorvoBootProgramClass::TorvoBootProgramClass() : ClassOf ("Program") {}
TorvoBootProgramClass::~TorvoBootProgramClass() = default;

//==============================================================================
TorvoBootServiceClass::TorvoBootServiceClass() : ClassOf ("Service(TorvoBootServiceLogic)")
{
    auto& context = tav::ExecutionContext::get();
    setAttribute (context, "userBasedConfiguration", tav::State ("false"));
    setAttribute (context, "versionBasedConfiguration", tav::State ("false"));
    setAttribute (context, "readOnlyConfiguration", tav::State ("true"));
    addMemberVariable (context, "TorvoBootConfiguration", "configuration", false, tav::StateMap());
}

TorvoBootServiceClass::~TorvoBootServiceClass() = default;

//==============================================================================
TorvoBootServiceLogicClass::TorvoBootServiceLogicClass() : ClassOf ("ServiceLogic") {}
TorvoBootServiceLogicClass::~TorvoBootServiceLogicClass() = default;
