#include "torvocore/Element.h"
#include <tavcore/Class.h>

namespace torvo
{

//==============================================================================
/** Hands the notified changes of the element's members to the element. */
class Element::MemberChangeWatcher : public tav::ChangeListener
{
public:
    explicit MemberChangeWatcher (Element& watchedElement) : element (watchedElement) {}

    void objectChanged (tav::Object& changedObject) override    { element.memberVariableChanged (changedObject); }

private:
    Element& element;
};

//==============================================================================
Element::Element()
    : watcher (std::make_unique<MemberChangeWatcher> (*this))
{
    addChangeListener (watcher.get());
}

Element::~Element()
{
    removeChangeListener (watcher.get());
}

graphics::GraphicsContext* Element::getGraphics() const noexcept
{
    return engine != nullptr ? engine->getGraphics() : nullptr;
}

//==============================================================================
bool Element::activate()
{
    return true;
}

void Element::deactivate()
{
}

void Element::unload()
{
}

void Element::preUpdate (const FrameInformation&)
{
}

void Element::refreshInformation()
{
}

void Element::updateStatus()
{
}

//==============================================================================
juce::int64 Element::computeVersion() const
{
    return numChanges;
}

bool Element::shouldIncrementNumChanges (size_t variableIndex) const
{
    return ! isDeclaredTransient (variableIndex) && ! isDeclaredHidden (variableIndex);
}

//==============================================================================
juce::String Element::getFriendlyName()
{
    if (! friendlyName.has_value())
        friendlyName = getAutomaticFriendlyName();

    return *friendlyName;
}

juce::String Element::getAutomaticFriendlyName() const
{
    if (const auto* objectClass = getClass())
        if (const auto* attribute = objectClass->getAttribute ("friendlyName"))
            return attribute->getText();

    return getClassName();
}

void Element::getFriendlyNameDependencies (VariableDependencies&) const
{
}

bool Element::isVariableEditable (size_t) const
{
    return true;
}

bool Element::isVariableVisible (size_t variableIndex, VariableDependencies&) const
{
    return ! isDeclaredHidden (variableIndex);
}

void Element::applyVariableConstraints (tav::Object&, tav::ChangeCallback)
{
}

//==============================================================================
int Element::findMemberVariableIndex (const juce::String& variableName) const
{
    for (size_t i = 0; i < getNumMemberVariableObjects(); ++i)
        if (getMemberVariableName (i) == variableName)
            return (int) i;

    return -1;
}

bool Element::isPartOfVariable (const tav::Object& object, const juce::String& variableName) const
{
    const int owner = findOwningMemberVariable (object);
    return owner >= 0 && getMemberVariableName ((size_t) owner) == variableName;
}

void Element::setFailureStatus (const juce::Result& newStatus)
{
    if (newStatus == failureStatus)
        return;

    failureStatus = newStatus;
    callListeners ([this] (ElementListener& l) { l.failureStatusChanged (*this); });
}

//==============================================================================
void Element::memberVariableChanged (tav::Object& changedObject)
{
    const int index = findOwningMemberVariable (changedObject);

    if (index < 0)
        return;

    const auto variableIndex = (size_t) index;
    const auto name = getMemberVariableName (variableIndex);

    if (shouldIncrementNumChanges (variableIndex))
        ++numChanges;

    applyVariableConstraints (changedObject, tav::ChangeCallback::notify());

    VariableDependencies nameDependencies;
    getFriendlyNameDependencies (nameDependencies);

    if (nameDependencies.contains (name))
        refreshFriendlyName();

    announceVisibilityDependingOn (name);
}

void Element::callListeners (const std::function<void (ElementListener&)>& call)
{
    // Backwards, so that a listener may remove itself while it is called.
    for (int i = listeners.size(); --i >= 0;)
        if (auto* listener = listeners[i])
            call (*listener);
}

int Element::findOwningMemberVariable (const tav::Object& object) const
{
    // The member variable is the last object on the way up before the element.
    const auto* member = &object;

    while (member != nullptr && member->getParent() != this)
        member = member->getParent();

    if (member == nullptr)
        return -1;

    for (size_t i = 0; i < getNumMemberVariableObjects(); ++i)
        if (getMemberVariable (i) == member)
            return (int) i;

    return -1;
}

void Element::refreshFriendlyName()
{
    auto newName = getAutomaticFriendlyName();

    if (friendlyName == newName)
        return;

    friendlyName = std::move (newName);
    callListeners ([this] (ElementListener& l) { l.friendlyNameChanged (*this); });
}

void Element::announceVisibilityDependingOn (const juce::String& variableName)
{
    for (size_t i = 0; i < getNumMemberVariableObjects(); ++i)
    {
        VariableDependencies dependencies;
        isVariableVisible (i, dependencies);

        if (dependencies.contains (variableName))
            callListeners ([this, i] (ElementListener& l) { l.variableVisibilityChanged (*this, i); });
    }
}

//==============================================================================
const tav::MemberVariable* Element::findDeclaration (size_t variableIndex) const
{
    const auto* objectClass = getClass();

    if (objectClass == nullptr)
        return nullptr;

    const auto variables = objectClass->getMemberVariables();
    return variableIndex < variables.size() ? variables[variableIndex] : nullptr;
}

bool Element::isDeclaredHidden (size_t variableIndex) const
{
    const auto* declaration = findDeclaration (variableIndex);
    const auto* visible = declaration != nullptr ? declaration->properties.find ("visible") : nullptr;
    return visible != nullptr && visible->getText() == "false";
}

bool Element::isDeclaredTransient (size_t variableIndex) const
{
    const auto* declaration = findDeclaration (variableIndex);
    return declaration != nullptr && declaration->isTransient;
}

} // namespace torvo
