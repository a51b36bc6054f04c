#include "HostTool.h"
#include <tavcore/Library.h>

std::unique_ptr<HostTool> HostTool::start (const juce::String& className, torvo::Engine& engine, juce::String& errorText)
{
    const auto* toolClass = tav::getClass (className);

    if (toolClass == nullptr)
    {
        errorText = "No tool class " + className + " among the loaded plug-ins";
        return nullptr;
    }

    if (! toolClass->inheritsFrom (tav::getClass ("Tool")) || toolClass->isAbstractClass())
    {
        errorText = "The class " + className + " is not a tool the host can create";
        return nullptr;
    }

    auto object = toolClass->createObject();

    if (object == nullptr)
    {
        errorText = "The tool " + className + " could not be created";
        return nullptr;
    }

    // The class derives from "Tool", so its objects are tools.
    std::unique_ptr<HostTool> running (new HostTool (std::unique_ptr<torvo::Tool> (static_cast<torvo::Tool*> (object.release()))));
    running->tool->setEngine (&engine);

    if (! running->tool->startDisplay())
    {
        errorText = "The tool " + className + " could not start its display";
        return nullptr;
    }

    running->displayStarted = true;
    return running;
}

HostTool::HostTool (std::unique_ptr<torvo::Tool> toolToRun) : tool (std::move (toolToRun))
{
}

HostTool::~HostTool()
{
    if (displayStarted)
        tool->stopDisplay();

    tool->unload();
    tool->setEngine (nullptr);
}

void HostTool::update (const torvo::FrameInformation& frame)
{
    tool->preUpdate (frame);
    tool->refreshInformation();
    tool->updateStatus();
}
