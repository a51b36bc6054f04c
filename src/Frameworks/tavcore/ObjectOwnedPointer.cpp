#include "tavcore/ObjectOwnedPointer.h"
#include "tavcore/OwnedObjectStates.h"

namespace tav
{

ObjectOwnedPointer::ObjectOwnedPointer (const juce::String& elementClassName)
    : elementClass (elementClassName)
{
}

ObjectOwnedPointer::~ObjectOwnedPointer() = default;

void ObjectOwnedPointer::set (std::unique_ptr<Object> newObject, ChangeCallback callback)
{
    owned = std::move (newObject);

    if (owned != nullptr)
        owned->setParent (this);

    if (callback.shouldNotify())
        sendChangeNotification();
}

State ObjectOwnedPointer::saveState() const
{
    return owned != nullptr ? owned->saveState() : State ("null");
}

juce::Result ObjectOwnedPointer::loadState (const State& state, const juce::String& sourceName)
{
    if (state.isText() && state.getText() == "null" && ! state.isQuoted())
    {
        set (nullptr, ChangeCallback::notify());
        return juce::Result::ok();
    }

    std::unique_ptr<Object> created;
    auto r = createOwnedObjectFromState (state, sourceName, elementClass, created);

    if (r.wasOk())
        set (std::move (created), ChangeCallback::notify());

    return r;
}

} // namespace tav
