#pragma once

#include <tavcore/ClassOf.h>

class TorvoBootProgram;
class TorvoBootService;
class TorvoBootServiceLogic;

// The classes TorvoBoot registers with the framework. Each has one instance,
// made by TorvoBootLibrary and reachable through its instance pointer (from
// tav::ClassOf) while the library is loaded, so that objects can be checked
// against it. The destructors are defined beside the constructors, where
// the object types are complete.

//==============================================================================
/** The class of TorvoBootProgram, derived from "Program". */
class TorvoBootProgramClass : public tav::ClassOf<TorvoBootProgram>
{
public:
    TorvoBootProgramClass();
    ~TorvoBootProgramClass() override;
};

//==============================================================================
/** The class of TorvoBootService, derived from "Service(TorvoBootServiceLogic)";
    its configuration is machine-wide, version-independent and read-only. */
class TorvoBootServiceClass : public tav::ClassOf<TorvoBootService>
{
public:
    TorvoBootServiceClass();
    ~TorvoBootServiceClass() override;
};

//==============================================================================
/** The class of TorvoBootServiceLogic, derived from "ServiceLogic". */
class TorvoBootServiceLogicClass : public tav::ClassOf<TorvoBootServiceLogic>
{
public:
    TorvoBootServiceLogicClass();
    ~TorvoBootServiceLogicClass() override;
};
