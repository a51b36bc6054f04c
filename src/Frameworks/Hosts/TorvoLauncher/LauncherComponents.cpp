#include "LauncherComponents.h"
#include <tavcore/Class.h>
#include <tavcore/ExtensionsManager.h>
#include <tavcore/Library.h>

LauncherComponents::LauncherComponents (tav::ExecutionContext& executionContext, launcher::LauncherService& launcherService)
    : context (executionContext), service (launcherService)
{
}

LauncherComponents::~LauncherComponents()
{
    stopAndDestroyAll();
}

size_t LauncherComponents::createAndStart()
{
    const auto* baseClass = tav::Library::getRootLibrary().findClass (launcher::LauncherComponent::extensionPoint);

    for (auto* componentClass : tav::ExtensionsManager::getInstance()->findExtensionClasses (launcher::LauncherComponent::extensionPoint))
    {
        if (baseClass != nullptr && componentClass->inheritsFrom (baseClass))
            createComponentOf (*componentClass);
        else
            context.error ("Extension " + componentClass->getName() + " is no launcher component");
    }

    return components.size();
}

void LauncherComponents::createComponentOf (const tav::Class& componentClass)
{
    auto object = componentClass.createObject();
    auto* component = dynamic_cast<launcher::LauncherComponent*> (object.get());

    if (component == nullptr)
    {
        context.error ("Could not create the launcher component " + componentClass.getName());
        return;
    }

    object.release();
    RunningComponent running { std::unique_ptr<launcher::LauncherComponent> (component) };
    component->setParent (&service);
    running.started = component->startDisplay();
    context.information ("Launcher component " + componentClass.getName()
                         + (running.started ? " started" : " could not start its display"));
    components.push_back (std::move (running));
}

void LauncherComponents::refreshAll()
{
    for (auto& running : components)
        if (running.started)
            running.component->refreshInformation();
}

void LauncherComponents::stopAndDestroyAll()
{
    // Every display stops before any component goes, so that none draws from
    // a neighbour that is half destroyed; one that did not start is told
    // too, in case it left something half started.
    for (auto& running : components)
        running.component->stopDisplay();

    while (! components.empty())
        components.pop_back();
}
