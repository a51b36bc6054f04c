#include "torvocore/ControlNotificationQueue.h"

namespace torvo
{

namespace
{
    std::unique_ptr<tav::Object> copyObject (const tav::Object& original)
    {
        const auto* objectClass = original.getClass();

        if (objectClass == nullptr)
            return nullptr;

        auto copy = objectClass->createObject();

        if (copy == nullptr || copy->loadState (original.saveState(), "a queued control change").failed())
            return nullptr;

        return copy;
    }
}

bool ControlNotificationQueue::push (const ControllerIdentifier& identifier, const tav::Object& value,
                                     double timeInSeconds, bool isNewValue)
{
    auto identifierCopy = copyObject (identifier);
    auto valueCopy = copyObject (value);

    if (identifierCopy == nullptr || valueCopy == nullptr)
        return false;

    // The copy is of the identifier's own class, a controller identifier.
    QueuedControlNotification notification { std::unique_ptr<ControllerIdentifier> (static_cast<ControllerIdentifier*> (identifierCopy.release())),
                                             std::move (valueCopy), timeInSeconds, isNewValue };
    const std::lock_guard<std::mutex> guard (mutex);
    pending.push_back (std::move (notification));
    return true;
}

std::vector<QueuedControlNotification> ControlNotificationQueue::takeAll()
{
    const std::lock_guard<std::mutex> guard (mutex);
    return std::exchange (pending, {});
}

} // namespace torvo
