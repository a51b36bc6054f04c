#pragma once

#include <startdeck/LauncherComponent.h>
#include <startdeck/LauncherService.h>
#include <tavcore/ExecutionContext.h>
#include <memory>
#include <vector>

//==============================================================================
/**
    The launcher's components: one object of each class announced for the
    extension point "LauncherComponent", each a child of the launcher's
    service, created, started, refreshed and stopped on the launcher's thread.
*/
class LauncherComponents
{
public:
    LauncherComponents (tav::ExecutionContext& context, launcher::LauncherService& service);

    /** Stops and destroys whatever still runs. */
    ~LauncherComponents();

    /** Creates one component of each announced class that is registered now
        and starts its display; returns how many were created. */
    size_t createAndStart();

    /** Lets every started component take the service's information in. */
    void refreshAll();

    /** Stops every display, then destroys every component, newest first. */
    void stopAndDestroyAll();

    /** The number of components created. */
    size_t getNumComponents() const noexcept    { return components.size(); }

private:
    struct RunningComponent
    {
        std::unique_ptr<launcher::LauncherComponent> component;
        bool started = false;
    };

    void createComponentOf (const tav::Class& componentClass);

    tav::ExecutionContext& context;
    launcher::LauncherService& service;
    std::vector<RunningComponent> components;
};
