#pragma once

#include "tavcore/Object.h"
#include "tavcore/ChangeCallback.h"
#include <memory>
#include <vector>

namespace tav
{

//==============================================================================
/**
    Owns an ordered list of objects of a given base class. Saved as a list of
    the elements' states, each tagged with its class name.
*/
class ObjectOwnedVectorBase : public Object
{
public:
    explicit ObjectOwnedVectorBase (const juce::String& elementClassName);
    ~ObjectOwnedVectorBase() override;

    juce::String getClassName() const override    { return "ObjectOwnedVector"; }

    /** The number of elements. */
    size_t size() const noexcept                  { return elements.size(); }

    /** The element at an index, or nullptr when out of range. */
    Object* getObject (size_t index) const noexcept { return index < elements.size() ? elements[index].get() : nullptr; }

    /** The index of an element, or -1 when it is not one of this vector's. */
    int find (const Object* element) const noexcept;

    /** Appends an element, which the vector owns from now on. */
    void append (std::unique_ptr<Object> element, ChangeCallback callback);

    /** Inserts an element before an index (appends when out of range). */
    void insert (size_t index, std::unique_ptr<Object> element, ChangeCallback callback);

    /** Removes and returns the element at an index. */
    std::unique_ptr<Object> remove (size_t index, ChangeCallback callback);

    /** Moves the element at one index to another. */
    void move (size_t fromIndex, size_t toIndex, ChangeCallback callback);

    /** Destroys every element. */
    void clear (ChangeCallback callback);

    /** The class name elements must have or derive from. */
    const juce::String& getElementClassName() const noexcept { return elementClass; }

    State saveState() const override;
    juce::Result loadState (const State& state, const juce::String& sourceName) override;

private:
    void notifyIf (ChangeCallback callback);

    juce::String elementClass;
    std::vector<std::unique_ptr<Object>> elements;
};

//==============================================================================
/** An owning vector whose elements are known to be of ElementType. */
template <class ElementType>
class ObjectOwnedVector : public ObjectOwnedVectorBase
{
public:
    explicit ObjectOwnedVector (const juce::String& elementClassName) : ObjectOwnedVectorBase (elementClassName) {}

    /** The element at an index, or nullptr when out of range. */
    ElementType* get (size_t index) const noexcept
    {
        return static_cast<ElementType*> (getObject (index));
    }
};

} // namespace tav
