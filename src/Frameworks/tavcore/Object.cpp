#include "tavcore/Object.h"
#include "tavcore/Class.h"
#include "tavcore/Library.h"

namespace tav
{

Object::Object()
    : lifetimeToken (std::make_shared<Object*> (this))
{
}

Object::~Object() = default;

const Class* Object::getClass() const
{
    return Library::getRootLibrary().findClass (getClassName());
}

bool Object::isInstanceOf (const Class* objectClass) const
{
    const auto* ownClass = getClass();
    return ownClass != nullptr && objectClass != nullptr && ownClass->inheritsFrom (objectClass);
}

//==============================================================================
Object* Object::getMemberVariable (size_t index) const
{
    return index < memberVariables.size() ? memberVariables[index].object : nullptr;
}

juce::String Object::getMemberVariableName (size_t index) const
{
    return index < memberVariables.size() ? memberVariables[index].name : juce::String();
}

Object* Object::getVariableByName (const juce::String& variableName) const
{
    for (auto& member : memberVariables)
        if (member.name == variableName)
            return member.object;

    return nullptr;
}

void Object::addMemberVariableObject (Object& member, const juce::String& variableName)
{
    member.setParent (this);
    memberVariables.push_back ({ &member, variableName });
}

//==============================================================================
State Object::saveState() const
{
    auto state = State::makeMap (getClassName());

    if (const auto* objectClass = getClass())
    {
        const auto variables = objectClass->getMemberVariables();

        for (size_t i = 0; i < variables.size(); ++i)
        {
            if (auto* member = getMemberVariable (i); member != nullptr && ! variables[i]->isTransient)
            {
                // A member's class is fixed by its declaration, so it goes untagged.
                auto memberState = member->saveState();

                if (memberState.getClassName() == member->getClassName())
                    memberState.setClassName ({});

                state.setChild (variables[i]->name, memberState);
            }
        }
    }

    return state;
}

juce::Result Object::loadState (const State& state, const juce::String& sourceName)
{
    const auto* objectClass = getClass();

    if (objectClass == nullptr)
        return juce::Result::fail (state.describePosition (sourceName) + ": the class " + getClassName() + " is not loaded");

    if (! state.isMap())
        return juce::Result::fail (state.describePosition (sourceName) + ": expected {...} for " + getClassName());

    // Members are found by index, so members that disagree with the
    // declaration would take each other's values.
    if (auto check = objectClass->checkMemberVariables (*this); check.failed())
        return juce::Result::fail (state.describePosition (sourceName) + ": " + check.getErrorMessage());

    const auto variables = objectClass->getMemberVariables();

    for (auto& [name, child] : state.getChildren())
    {
        const int index = objectClass->findMemberVariable (name);
        auto* member = index >= 0 ? getMemberVariable ((size_t) index) : nullptr;

        if (member == nullptr || variables[(size_t) index]->isTransient)
        {
            ExecutionContext::get().warning (child.describePosition (sourceName) + ": " + getClassName()
                                             + " has no variable \"" + name + "\"; it is ignored");
            continue;
        }

        auto r = member->loadState (child, sourceName);

        if (r.failed())
            return r;
    }

    return juce::Result::ok();
}

//==============================================================================
void Object::addChangeListener (ChangeListener* listener)
{
    changeListeners.addIfNotAlreadyThere (listener);
}

void Object::removeChangeListener (ChangeListener* listener)
{
    changeListeners.removeFirstMatchingValue (listener);
}

void Object::sendChangeNotification()
{
    for (auto* object = this; object != nullptr; object = object->parent)
        for (int i = object->changeListeners.size(); --i >= 0;)
            if (auto* listener = object->changeListeners[i])
                listener->objectChanged (*this);
}

} // namespace tav
