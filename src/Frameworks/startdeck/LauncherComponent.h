#pragma once

#include <tavcore/Object.h>

namespace launcher
{

class LauncherService;

//==============================================================================
/**
    A part of the launcher that a plug-in provides, such as a front-panel
    display: the launcher creates one object of each class announced for the
    extension point "LauncherComponent" as a child of its LauncherService,
    starts its display, refreshes it periodically from the launcher's thread
    and stops its display before destroying it.
*/
class LauncherComponent : public tav::Object
{
public:
    LauncherComponent() = default;
    ~LauncherComponent() override;

    /** Starts what the component shows; false when it could not start. */
    virtual bool startDisplay() = 0;

    /** Stops what startDisplay() started; the component is destroyed after it. */
    virtual void stopDisplay() = 0;

    /** Takes the launcher's latest information in, called periodically on
        the launcher's thread while the display runs. */
    virtual void refreshInformation() = 0;

    /** The first object up the parent chain whose class inherits from the
        launcher service's, or nullptr when the component has none above it. */
    LauncherService* findLauncherService() const;

    /** The name of the extension point components are announced for. */
    static constexpr const char* extensionPoint = "LauncherComponent";
};

} // namespace launcher
