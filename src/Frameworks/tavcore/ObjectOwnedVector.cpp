#include "tavcore/ObjectOwnedVector.h"
#include "tavcore/OwnedObjectStates.h"

namespace tav
{

ObjectOwnedVectorBase::ObjectOwnedVectorBase (const juce::String& elementClassName)
    : elementClass (elementClassName)
{
}

ObjectOwnedVectorBase::~ObjectOwnedVectorBase() = default;

void ObjectOwnedVectorBase::append (std::unique_ptr<Object> element, ChangeCallback callback)
{
    insert (elements.size(), std::move (element), callback);
}

void ObjectOwnedVectorBase::insert (size_t index, std::unique_ptr<Object> element, ChangeCallback callback)
{
    if (element == nullptr)
        return;

    element->setParent (this);
    elements.insert (elements.begin() + (std::ptrdiff_t) juce::jmin (index, elements.size()), std::move (element));
    notifyIf (callback);
}

int ObjectOwnedVectorBase::find (const Object* element) const noexcept
{
    for (size_t i = 0; i < elements.size(); ++i)
        if (elements[i].get() == element)
            return (int) i;

    return -1;
}

std::unique_ptr<Object> ObjectOwnedVectorBase::remove (size_t index, ChangeCallback callback)
{
    if (index >= elements.size())
        return nullptr;

    auto removed = std::move (elements[index]);
    elements.erase (elements.begin() + (std::ptrdiff_t) index);
    removed->setParent (nullptr);
    notifyIf (callback);
    return removed;
}

void ObjectOwnedVectorBase::move (size_t fromIndex, size_t toIndex, ChangeCallback callback)
{
    if (fromIndex >= elements.size() || toIndex >= elements.size() || fromIndex == toIndex)
        return;

    auto element = std::move (elements[fromIndex]);
    elements.erase (elements.begin() + (std::ptrdiff_t) fromIndex);
    elements.insert (elements.begin() + (std::ptrdiff_t) toIndex, std::move (element));
    notifyIf (callback);
}

void ObjectOwnedVectorBase::clear (ChangeCallback callback)
{
    elements.clear();
    notifyIf (callback);
}

void ObjectOwnedVectorBase::notifyIf (ChangeCallback callback)
{
    if (callback.shouldNotify())
        sendChangeNotification();
}

//==============================================================================
State ObjectOwnedVectorBase::saveState() const
{
    auto state = State::makeList();

    for (auto& element : elements)
        state.addItem (element->saveState());

    return state;
}

juce::Result ObjectOwnedVectorBase::loadState (const State& state, const juce::String& sourceName)
{
    if (! state.isList())
        return juce::Result::fail (state.describePosition (sourceName) + ": expected a list [...] of " + elementClass);

    // Every element is read before any replaces the current ones, so a fault
    // halfway leaves the vector as it was.
    std::vector<std::unique_ptr<Object>> loaded;

    for (auto& item : state.getItems())
    {
        std::unique_ptr<Object> element;
        auto r = createOwnedObjectFromState (item, sourceName, elementClass, element);

        if (r.failed())
            return r;

        loaded.push_back (std::move (element));
    }

    elements = std::move (loaded);

    for (auto& element : elements)
        element->setParent (this);

    sendChangeNotification();
    return juce::Result::ok();
}

} // namespace tav
