#include "tavcore/ServiceThread.h"
#include "tavcore/Class.h"
#include "tavcore/Library.h"

namespace tav
{

namespace
{
    /** Creates an object of a class when it is of type T; nullptr otherwise. */
    template <class T>
    std::unique_ptr<T> createObjectOfType (const Class* objectClass)
    {
        auto object = objectClass != nullptr ? objectClass->createObject() : nullptr;

        if (dynamic_cast<T*> (object.get()) == nullptr)
            return nullptr;

        return std::unique_ptr<T> (static_cast<T*> (object.release()));
    }
}

ServiceThreadBase::ServiceThreadBase (const juce::String& threadName, Object* parentObject, const juce::String& className)
    : Thread (threadName, parentObject), serviceClassName (className)
{
}

ServiceThreadBase::~ServiceThreadBase() = default;

juce::String ServiceThreadBase::getClassName() const
{
    // The template class "ServiceThread" of the service's class.
    return "ServiceThread(" + serviceClassName + ")";
}

const Class* ServiceThreadBase::getServiceClass() const
{
    return Library::getRootLibrary().findClass (serviceClassName);
}

const Class* ServiceThreadBase::findLogicClass (const Class& serviceClass) const
{
    for (const Class* c = &serviceClass; c != nullptr; c = c->getBaseClass())
        if (const auto* argument = TemplateClass::getTemplateArgument (*c))
            return argument;

    return nullptr;
}

bool ServiceThreadBase::threadStarted (SuccessStatus& status)
{
    const auto* serviceClass = getServiceClass();

    if (serviceClass == nullptr)
    {
        status.setError ("The service class " + serviceClassName + " is not loaded", ChangeCallback::none());
        return false;
    }

    const auto* logicClass = findLogicClass (*serviceClass);
    service = createObjectOfType<Service> (serviceClass);
    logic = createObjectOfType<ServiceLogic> (logicClass);

    if (service == nullptr || logic == nullptr)
    {
        status.setError ("Cannot create the service " + serviceClassName + " and its logic", ChangeCallback::none());
        service.reset();
        logic.reset();
        return false;
    }

    service->setParent (this);
    logic->setParent (service.get());
    logic->setService (*service);

    if (! service->loadConfiguration (status))
        return false;

    return logic->initializeItem (status);
}

void ServiceThreadBase::threadUpdate()
{
    if (logic != nullptr && logic->canItemBeUpdated())
        logic->updateItem();
}

void ServiceThreadBase::threadStopped()
{
    if (logic != nullptr)
        logic->deinitializeItem();

    logic.reset();
    service.reset();
}

} // namespace tav
