#pragma once

#include <torvocore/Tool.h>
#include <tavcore/ExecutionContext.h>

//==============================================================================
/**
    The one tool the host was asked to run: made by class name from the
    loaded plug-ins and placed in the engine; its display starts at once,
    each update of the host calls its per-update hooks, and the end stops
    its display and unloads it (before its plug-in goes).
*/
class HostTool
{
public:
    /** Creates the tool of a class and starts its display; nullptr, with the
        reason in errorText, when the class is unknown, is not a tool or the
        display does not start. */
    static std::unique_ptr<HostTool> start (const juce::String& className, torvo::Engine& engine, juce::String& errorText);

    /** Stops the display and unloads the tool. */
    ~HostTool();

    /** Runs the tool's hooks for one update of the host. */
    void update (const torvo::FrameInformation& frame);

private:
    explicit HostTool (std::unique_ptr<torvo::Tool> toolToRun);

    std::unique_ptr<torvo::Tool> tool;
    bool displayStarted = false;
};
