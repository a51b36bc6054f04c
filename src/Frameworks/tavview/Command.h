#pragma once

#include <tavcore/Boolean.h>
#include <tavcore/ExecutionContext.h>
#include <tavcore/Object.h>

#include <memory>
#include <vector>

namespace gui::tav
{

//==============================================================================
/**
    Something a menu entry or a button does. Menus own their commands and
    build them afresh each time they open, so a command may capture the
    state it was built in (whether a process runs, say).
*/
class AbstractCommand : public ::tav::Object
{
public:
    juce::String getClassName() const override    { return "AbstractCommand"; }

    /** The menu entry's text. */
    virtual juce::String getShortDescription() const = 0;

    /** Does it; failures go to the context. */
    virtual void perform (::tav::ExecutionContext& context) = 0;

    /** False greys the entry out. */
    virtual bool isEnabled() const                { return true; }

    /** True shows a tick beside the entry. */
    virtual bool isTicked() const                 { return false; }

    /** Commands that a sub-menu of this entry offers instead of performing
        this one; none by default. */
    virtual std::vector<std::unique_ptr<AbstractCommand>> createSubCommands()   { return {}; }
};

//==============================================================================
/**
    A command on one object, its target, observed (not owned): once the
    target is gone the command does nothing. Its Boolean member "enabled"
    greys the entry out when false.
*/
class ObjectCommand : public AbstractCommand
{
public:
    /** A command on target; name is its entry text unless a subclass
        describes itself. */
    explicit ObjectCommand (::tav::Object* target = nullptr, const juce::String& name = {});

    juce::String getClassName() const override    { return "ObjectCommand"; }

    /** The target, or nullptr when none was given or it is gone. */
    ::tav::Object* getTarget() const noexcept     { return token.expired() ? nullptr : target; }

    /** Sets the "enabled" member. */
    void setEnabled (bool shouldBeEnabled, ::tav::ChangeCallback callback)   { enabled.set (shouldBeEnabled, callback); }

    bool isEnabled() const override               { return enabled.get() && getTarget() != nullptr; }
    juce::String getShortDescription() const override { return name; }
    void perform (::tav::ExecutionContext& context) override   { juce::ignoreUnused (context); }

private:
    ::tav::Object* target;
    std::weak_ptr<::tav::Object*> token;
    juce::String name;
    ::tav::Boolean enabled { true };
};

//==============================================================================
/** An object command whose target is known to be a Type (the class of such
    commands is registered with the base name "Command(Type)"). */
template <class Type>
class Command : public ObjectCommand
{
public:
    explicit Command (Type* target = nullptr, const juce::String& name = {}) : ObjectCommand (target, name) {}

    /** The target as a Type, or nullptr. */
    Type* getTypedTarget() const                  { return dynamic_cast<Type*> (getTarget()); }
};

} // namespace gui::tav
