#pragma once

#include <tavcore/Class.h>

// The classes TorvoBoot registers with the framework. Each has one instance,
// made by TorvoBootLibrary and reachable through its instance pointer, so
// that objects can be checked against it.

//==============================================================================
/** The class of TorvoBootProgram, derived from "Program". */
class TorvoBootProgramClass : public tav::Class
{
public:
    TorvoBootProgramClass();
    ~TorvoBootProgramClass() override;

    const tav::Class* getBaseClass() const override   { return getClassRelativeToThis ("Program", false); }
    bool isAbstractClass() const override             { return false; }

    /** The registered instance, or nullptr while the library is not loaded. */
    static const TorvoBootProgramClass* instance;

protected:
    std::unique_ptr<tav::Object> createInstance() const override;
};

//==============================================================================
/** The class of TorvoBootService, derived from "Service(TorvoBootServiceLogic)";
    its configuration is machine-wide, version-independent and read-only. */
class TorvoBootServiceClass : public tav::Class
{
public:
    TorvoBootServiceClass();
    ~TorvoBootServiceClass() override;

    const tav::Class* getBaseClass() const override   { return getClassRelativeToThis ("Service(TorvoBootServiceLogic)", false); }
    bool isAbstractClass() const override             { return false; }

    /** The registered instance, or nullptr while the library is not loaded. */
    static const TorvoBootServiceClass* instance;

protected:
    std::unique_ptr<tav::Object> createInstance() const override;
};

//==============================================================================
/** The class of TorvoBootServiceLogic, derived from "ServiceLogic". */
class TorvoBootServiceLogicClass : public tav::Class
{
public:
    TorvoBootServiceLogicClass();
    ~TorvoBootServiceLogicClass() override;

    const tav::Class* getBaseClass() const override   { return getClassRelativeToThis ("ServiceLogic", false); }
    bool isAbstractClass() const override             { return false; }

    /** The registered instance, or nullptr while the library is not loaded. */
    static const TorvoBootServiceLogicClass* instance;

protected:
    std::unique_ptr<tav::Object> createInstance() const override;
};
