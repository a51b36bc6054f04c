#pragma once

#include "tavcore/Object.h"
#include "tavcore/SuccessStatus.h"

namespace tav
{

//==============================================================================
/**
    An object that a service thread runs: its member variables are its
    configuration, loaded when the thread starts, and its logic (a class
    named by the service class's base "Service(LogicClass)") does the work.

    The service class's attributes say where the configuration lives:
    "userBasedConfiguration" (the user's data folder rather than the
    machine's), "versionBasedConfiguration" (a folder per program version)
    and "readOnlyConfiguration" (the service never saves it).
*/
class Service : public Object
{
public:
    /** Loads every member variable: one that keeps a file of its own
        (tav::PersistentObject) from that file, the others from the service's
        configuration file. A missing file keeps the defaults; a faulty one,
        or one its object refuses, is reported as an error, nothing of it is
        applied, and getConfigurationLoadResult() tells so. Returns false only
        when the service class is not loaded. */
    bool loadConfiguration (SuccessStatus& status);

    /** How the last loadConfiguration() ended: failed when a file was faulty
        or refused, so that the logic need not take the defaults for the
        administrator's wish. A missing file is no failure. */
    const juce::Result& getConfigurationLoadResult() const noexcept    { return configurationLoadResult; }

    /** Saves the member variables that have no file of their own; refused
        for read-only configurations. */
    juce::Result saveConfiguration() const;

    /** The service's own configuration file, as its class attributes place it. */
    juce::File getConfigurationFile() const;

    /** The member variables kept in the service's own file. */
    State saveState() const override;

private:
    bool getBooleanAttribute (const juce::String& attributeName) const;
    void loadOwnFile();
    void reportFaultyFile (const juce::Result& result);

    juce::Result configurationLoadResult = juce::Result::ok();
};

//==============================================================================
/** The hooks through which the framework drives a live item. */
class LiveItemLogic : public Object
{
public:
    /** Called once before the first update; false (with an error in status)
        means the item cannot run. */
    virtual bool initializeItem (SuccessStatus& status)   { status.setSuccess ({}, ChangeCallback::none()); return true; }

    /** Whether updateItem() is to be called. */
    virtual bool canItemBeUpdated()                      { return false; }

    /** Called on every update of the thread running the item. */
    virtual void updateItem()                            {}

    /** Called once after the last update. */
    virtual void deinitializeItem()                      {}
};

//==============================================================================
/** The logic of a service: created and driven by the service's thread. */
class ServiceLogic : public LiveItemLogic
{
public:
    /** The service this logic works for. */
    Service& getService() const noexcept                 { jassert (service != nullptr); return *service; }

    /** Called by the service thread before initialisation. */
    void setService (Service& serviceToServe) noexcept   { service = &serviceToServe; }

private:
    Service* service = nullptr;
};

} // namespace tav
