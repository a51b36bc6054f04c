#pragma once

#include "tavview/MenuBuilder.h"

#include <tavcore/String.h>

#include <memory>

namespace gui::tav
{

//==============================================================================
/**
    The menu of one object, its target (observed, not owned), as a table row
    offers it on a right-click. Subclasses add their entries in
    populateMenu(); the menu is built afresh each time it opens.
*/
class ObjectMenu : public ::tav::Object
{
public:
    explicit ObjectMenu (::tav::Object* target = nullptr, const juce::String& name = {},
                         const juce::String& description = {});

    juce::String getClassName() const override    { return "ObjectMenu"; }

    /** The target, or nullptr when none was given or it is gone. */
    ::tav::Object* getTarget() const noexcept     { return token.expired() ? nullptr : target; }

    /** Builds the entries into a new builder. */
    std::unique_ptr<MenuBuilder> build();

    /** Builds a menu (owned from now on) and shows it beside a component (or
        at the mouse); the chosen command is performed on the message
        thread's context. */
    static void show (std::unique_ptr<ObjectMenu> menu, juce::Component* targetComponent);

protected:
    /** Adds the entries; nothing by default. */
    virtual void populateMenu (MenuBuilder& builder)  { juce::ignoreUnused (builder); }

private:
    ::tav::Object* target;
    std::weak_ptr<::tav::Object*> token;
    juce::String name, description;
};

//==============================================================================
/** An object menu whose target is known to be a Type. */
template <class Type>
class Menu : public ObjectMenu
{
public:
    explicit Menu (Type* target = nullptr, const juce::String& name = {}, const juce::String& description = {})
        : ObjectMenu (target, name, description) {}

    /** The target as a Type, or nullptr. */
    Type* getTypedTarget() const                  { return dynamic_cast<Type*> (getTarget()); }
};

} // namespace gui::tav
