#pragma once

#include <gtest/gtest.h>
#include "MessageRecorder.h"
#include "TorvoBootClasses.h"
#include "TorvoBootLibrary.h"
#include "TorvoBootService.h"
#include "TorvoBootServiceLogic.h"
#include <hostsys/OsLibrary.h>
#include <hostsys/TorvoBootCommandId.h>

//==============================================================================
/** A boot service and its monitor, made through the registered classes as
    the service thread makes them, with the monitor's messages recorded. */
class BootServiceFixture : public testing::Test
{
protected:
    void SetUp() override
    {
        auto& root = tav::Library::getRootLibrary();
        root.addLibrary (os::createOsLibrary());
        root.addLibrary (std::make_unique<TorvoBootLibrary> (juce::File()));

        auto object = TorvoBootServiceClass::instance->createObject();
        service.reset (static_cast<TorvoBootService*> (object.release()));
        logic = std::make_unique<TorvoBootServiceLogic>();
        logic->setService (*service);

        recorder = std::make_unique<MessageRecorder> (context);
    }

    void TearDown() override
    {
        logic.reset();
        service.reset();
        auto& root = tav::Library::getRootLibrary();
        root.removeLibrary ("TorvoBoot");
        root.removeLibrary ("Os");
    }

    /** Adds an application with the class defaults, then lets the test adjust it. */
    os::ManagedApplication& addApplication (const juce::String& path,
                                            std::function<void (os::ManagedApplication&)> adjust = {})
    {
        auto object = tav::Library::getRootLibrary().createObject ("ManagedApplication");
        auto& application = static_cast<os::ManagedApplication&> (*object);
        application.executablePath.set (path, tav::ChangeCallback::none());

        if (adjust)
            adjust (application);

        service->configuration.applications.append (std::move (object), tav::ChangeCallback::none());
        return application;
    }

    void initialise()
    {
        tav::ExecutionContext::ScopedCurrent current (context);
        tav::SuccessStatus status;
        ASSERT_TRUE (logic->initializeItem (status));
        ASSERT_TRUE (status.isSuccess());
    }

    /** One update, now. */
    void update()
    {
        tav::ExecutionContext::ScopedCurrent current (context);
        logic->updateItem();
    }

    const ManagedApplicationState& record (size_t index) const  { return logic->getApplicationStates()[index]; }

    std::unique_ptr<TorvoBootService> service;
    std::unique_ptr<TorvoBootServiceLogic> logic;
    tav::ExecutionContext context;
    std::unique_ptr<MessageRecorder> recorder;
};
