#pragma once

#include "tavcore/Thread.h"
#include "tavcore/Service.h"
#include <memory>

namespace tav
{

//==============================================================================
/**
    A thread that creates a service by its class name, creates the service's
    logic from the logic class its service class names ("Service(Logic)"),
    loads the service's configuration, initialises the logic once and
    updates it on every thread update.
*/
class ServiceThreadBase : public Thread
{
public:
    ServiceThreadBase (const juce::String& threadName, Object* parentObject, const juce::String& serviceClassName);
    ~ServiceThreadBase() override;

    juce::String getClassName() const override;

    /** The class of the services this thread runs, or nullptr when not loaded. */
    const Class* getServiceClass() const;

    /** The running service, or nullptr before the start and after the stop. */
    Service* getServiceObject() const noexcept        { return service.get(); }

    /** The running service's logic, or nullptr. */
    ServiceLogic* getServiceLogic() const noexcept    { return logic.get(); }

protected:
    bool threadStarted (SuccessStatus& status) override;
    void threadUpdate() override;
    void threadStopped() override;

private:
    const Class* findLogicClass (const Class& serviceClass) const;

    juce::String serviceClassName;
    std::unique_ptr<Service> service;
    std::unique_ptr<ServiceLogic> logic;
};

//==============================================================================
/** A service thread for services of class ServiceType, whose static member
    className names its registered class. */
template <class ServiceType>
class ServiceThread : public ServiceThreadBase
{
public:
    ServiceThread (const juce::String& threadName, Object* parentObject)
        : ServiceThreadBase (threadName, parentObject, ServiceType::className) {}

    /** The running service, or nullptr. */
    ServiceType* getService() const noexcept { return dynamic_cast<ServiceType*> (getServiceObject()); }
};

} // namespace tav
