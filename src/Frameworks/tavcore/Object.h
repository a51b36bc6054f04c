#pragma once

#include <juce_core/juce_core.h>
#include "tavcore/State.h"
#include <memory>
#include <vector>

namespace tav
{

class Class;
class Object;

//==============================================================================
/** Observes changes of an object and of the objects below it. */
class ChangeListener
{
public:
    virtual ~ChangeListener() = default;

    /** Called after changedObject (this listener's object or one of its
        descendants) was changed with ChangeCallback::notify(). */
    virtual void objectChanged (Object& changedObject) = 0;
};

//==============================================================================
/**
    The base of everything the framework creates by class name, saves and
    loads: programs, services, configurations and the values inside them.

    An object names its class; the class (registered in a library) declares
    the object's member variables, and the object hands out the member objects
    in the same order, which is what lets any object be saved as a state and
    loaded back without code of its own.
*/
class Object
{
public:
    Object();
    virtual ~Object();

    /** The name the object's class is registered under. */
    virtual juce::String getClassName() const = 0;

    /** The registered class of the object, or nullptr when its library is not loaded. */
    const Class* getClass() const;

    /** True when the object's class is the given class or derives from it. */
    bool isInstanceOf (const Class* objectClass) const;

    //==============================================================================
    /** Sets the object this one belongs to; change notifications travel up to it. */
    void setParent (Object* newParent) noexcept   { parent = newParent; }

    /** The object this one belongs to, or nullptr. */
    Object* getParent() const noexcept            { return parent; }

    //==============================================================================
    /** The member variable object at an index of the class's member variables
        (base classes first), or nullptr. */
    Object* getMemberVariable (size_t index) const;

    /** The variable name a member variable object was declared under, or empty. */
    juce::String getMemberVariableName (size_t index) const;

    /** The number of member variable objects this object holds. */
    size_t getNumMemberVariableObjects() const noexcept { return memberVariables.size(); }

    /** The member variable object declared under a name, or nullptr. */
    Object* getVariableByName (const juce::String& variableName) const;

    //==============================================================================
    /** The object's state. Values answer their text; other objects a map of
        their non-transient member variables, tagged with the class name. */
    virtual State saveState() const;

    /** Sets the object from a state. Fails with a message naming sourceName,
        line and column on a state that does not fit, or when the object's
        member objects disagree with its class. Unknown names in a map
        are reported as warnings on the calling thread's context and skipped. */
    virtual juce::Result loadState (const State& state, const juce::String& sourceName);

    //==============================================================================
    /** Adds a listener (not owned). */
    void addChangeListener (ChangeListener* listener);

    /** Removes a listener. */
    void removeChangeListener (ChangeListener* listener);

    /** Tells the listeners of this object and of every parent about a change. */
    void sendChangeNotification();

    //==============================================================================
    /** True once the object has been made by its class and given its declared
        defaults (Class::createObject); until then, code that reacts to its
        own variables (status texts, derived values) holds back. */
    bool isObjectInitialized() const noexcept     { return initialized; }

    /** Marks the object as made and given its defaults. */
    void setObjectInitialized() noexcept          { initialized = true; }

    //==============================================================================
    /** A token that lives exactly as long as the object; weak pointers hold it. */
    std::weak_ptr<Object*> getLifetimeToken() const { return lifetimeToken; }

protected:
    /** Declares the next member variable object: objects call this in their
        constructor once for each member variable their class declares, in the
        same order and under the same name, which is what lets the class check
        that they agree. The member's parent becomes this object. */
    void addMemberVariableObject (Object& member, const juce::String& variableName);

private:
    Object* parent = nullptr;
    bool initialized = false;
    struct NamedMember
    {
        Object* object;
        juce::String name;
    };

    std::vector<NamedMember> memberVariables;
    juce::Array<ChangeListener*> changeListeners;
    std::shared_ptr<Object*> lifetimeToken;

    JUCE_DECLARE_NON_COPYABLE (Object)
};

} // namespace tav
