#pragma once

#include "BootServiceFixture.h"
#include "FakeMonitorEnvironment.h"

//==============================================================================
/** A monitor over a scripted environment, with its messages recorded. */
class MonitorFixture : public BootServiceFixture
{
protected:
    void SetUp() override
    {
        BootServiceFixture::SetUp();
        auto fake = std::make_unique<FakeMonitorEnvironment>();
        environment = fake.get();
        logic->setEnvironment (std::move (fake));
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

    FakeMonitorEnvironment* environment = nullptr;
};
