#pragma once

#include <gtest/gtest.h>
#include "FakeMonitorEnvironment.h"
#include "TorvoBootClasses.h"
#include "TorvoBootLibrary.h"
#include "TorvoBootService.h"
#include "TorvoBootServiceLogic.h"
#include <hostsys/OsLibrary.h>
#include <hostsys/TorvoBootCommandId.h>
#include <tavcore/RecordingExecutionContextView.h>

//==============================================================================
/** A monitor over a scripted environment, with its messages recorded. */
class MonitorFixture : public testing::Test
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
        auto fake = std::make_unique<FakeMonitorEnvironment>();
        environment = fake.get();
        logic->setEnvironment (std::move (fake));

        auto view = std::make_unique<tav::RecordingExecutionContextView>();
        recorder = view.get();
        context.addView (std::move (view));
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

    /** Runs updates every 100 ms of scripted time, for the given span. */
    void runFor (double milliseconds)
    {
        tav::ExecutionContext::ScopedCurrent current (context);

        for (double end = environment->now + milliseconds; environment->now < end;)
        {
            logic->updateItem();
            environment->now += 100.0;
        }
    }

    /** One update at the current time. */
    void update()
    {
        tav::ExecutionContext::ScopedCurrent current (context);
        logic->updateItem();
    }

    void send (os::TorvoBootCommandIdEnum id, juce::uint8 index)
    {
        environment->commands.push_back (os::getTorvoBootControlCode (id, index));
        update();
    }

    juce::StringArray takeLines()
    {
        auto lines = recorder->getLines();
        recorder->clear();
        return lines;
    }

    const ManagedApplicationState& record (size_t index) const  { return logic->getApplicationStates()[index]; }

    std::unique_ptr<TorvoBootService> service;
    std::unique_ptr<TorvoBootServiceLogic> logic;
    FakeMonitorEnvironment* environment = nullptr;
    tav::ExecutionContext context;
    tav::RecordingExecutionContextView* recorder = nullptr;
};
