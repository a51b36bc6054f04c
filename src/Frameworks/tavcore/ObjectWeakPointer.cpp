#include "tavcore/ObjectWeakPointer.h"
#include "tavcore/ChangeCallback.h"

namespace tav
{

void ObjectWeakPointer::set (Object* newTarget, ChangeCallback callback)
{
    target = newTarget;
    token = newTarget != nullptr ? newTarget->getLifetimeToken() : std::weak_ptr<Object*>();

    if (callback.shouldNotify())
        sendChangeNotification();
}

} // namespace tav
