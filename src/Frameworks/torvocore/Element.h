#pragma once

#include "torvocore/ElementListener.h"
#include "torvocore/Engine.h"
#include "torvocore/FrameInformation.h"
#include "torvocore/VariableDependencies.h"
#include <tavcore/ChangeCallback.h>
#include <tavcore/Object.h>
#include <functional>
#include <optional>

namespace tav { struct MemberVariable; }

namespace torvo
{

//==============================================================================
/**
    A node of the host's composition. It reaches devices through its engine
    and renders with the engine's graphics context.

    An element watches its own member variables: a change made with a
    notifying callback moves its version (when shouldIncrementNumChanges()
    says so), lets it apply its constraints, and recomputes the friendly
    name and the visibility of variables that depend on the changed one.
    The host calls an element on its own threads, one at a time.
*/
class Element : public tav::Object
{
public:
    Element();
    ~Element() override;

    /** The engine the element runs in, or nullptr before it is placed. */
    Engine* getEngine() const noexcept            { return engine; }

    /** Places the element in an engine (not owned). */
    void setEngine (Engine* newEngine) noexcept   { engine = newEngine; }

    /** The graphics context the host renders with, or nullptr when there is none. */
    graphics::GraphicsContext* getGraphics() const noexcept;

    //==============================================================================
    /** Called by the host before the element takes part in the composition
        (again); false when it cannot. */
    virtual bool activate();

    /** Called by the host when the element leaves the composition. */
    virtual void deactivate();

    /** Called by the host before the element is destroyed or its plug-in
        unloaded: whatever it holds of devices and graphics is let go here. */
    virtual void unload();

    //==============================================================================
    /** Called by the host at the start of each of its updates of the element. */
    virtual void preUpdate (const FrameInformation& frame);

    /** Called by the host with each update, after preUpdate(): the element
        takes the host's latest information (its status record, its devices'
        states). The base does nothing. */
    virtual void refreshInformation();

    /** Called by the host at the end of each update, after refreshInformation(),
        so the element can publish its status. The base does nothing. */
    virtual void updateStatus();

    //==============================================================================
    /** A number that moves whenever what the element renders may have
        changed; the host renders again when it moves. The base counts the
        notified changes of member variables that shouldIncrementNumChanges()
        accepts. */
    virtual juce::int64 computeVersion() const;

    /** True when a notified change of the member variable moves the version;
        the base says true unless the variable is transient or declared
        hidden ("visible" = false), which is internal state. */
    virtual bool shouldIncrementNumChanges (size_t variableIndex) const;

    //==============================================================================
    /** The name the user sees: the automatic friendly name, kept up to date
        as the variables it depends on change. */
    juce::String getFriendlyName();

    /** The name the element would give itself now; the base takes the
        class attribute "friendlyName", else the class name. */
    virtual juce::String getAutomaticFriendlyName() const;

    /** Declares the member variables the automatic friendly name depends on. */
    virtual void getFriendlyNameDependencies (VariableDependencies& dependencies) const;

    /** False for member variables the user may see but not change; the base says true. */
    virtual bool isVariableEditable (size_t variableIndex) const;

    /** False for member variables the user interface hides; dependencies
        receives the variables the answer depends on. The base hides those
        declared with "visible" = false. */
    virtual bool isVariableVisible (size_t variableIndex, VariableDependencies& dependencies) const;

    /** Called after a notified change of variable (a member variable or an
        object inside one), so the element can keep its variables
        consistent; changes it makes use callback. The base does nothing. */
    virtual void applyVariableConstraints (tav::Object& variable, tav::ChangeCallback callback);

    //==============================================================================
    /** Why the element could not do its work the last time, or ok. */
    const juce::Result& getFailureStatus() const noexcept    { return failureStatus; }

    /** Adds a listener (not owned). */
    void addElementListener (ElementListener* listener)      { listeners.addIfNotAlreadyThere (listener); }

    /** Removes a listener. */
    void removeElementListener (ElementListener* listener)   { listeners.removeFirstMatchingValue (listener); }

    //==============================================================================
    /** The index of the member variable of that name, or -1. */
    int findMemberVariableIndex (const juce::String& variableName) const;

    /** True when object is the member variable of that name or lies inside it. */
    bool isPartOfVariable (const tav::Object& object, const juce::String& variableName) const;

protected:
    /** Sets the failure status (ok clears it); listeners hear of a change. */
    void setFailureStatus (const juce::Result& newStatus);

private:
    class MemberChangeWatcher;

    Engine* engine = nullptr;
    std::unique_ptr<MemberChangeWatcher> watcher;
    juce::int64 numChanges = 0;
    std::optional<juce::String> friendlyName;
    juce::Result failureStatus = juce::Result::ok();
    juce::Array<ElementListener*> listeners;

    void memberVariableChanged (tav::Object& changedObject);
    void callListeners (const std::function<void (ElementListener&)>& call);
    int findOwningMemberVariable (const tav::Object& object) const;
    void refreshFriendlyName();
    void announceVisibilityDependingOn (const juce::String& variableName);
    const tav::MemberVariable* findDeclaration (size_t variableIndex) const;
    bool isDeclaredHidden (size_t variableIndex) const;
    bool isDeclaredTransient (size_t variableIndex) const;
};

} // namespace torvo
