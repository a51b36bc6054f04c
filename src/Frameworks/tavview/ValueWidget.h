#pragma once

#include "tavview/Widget.h"

#include <memory>

namespace gui::tav
{

//==============================================================================
/**
    A widget that shows one object, its target, and follows its changes.

    The target is observed, not owned: once it is destroyed the widget reads
    as having no target. A widget that can work without a target (a menu
    button) says so with handlesNullTarget().
*/
class ValueWidget : public Widget,
                    private ::tav::ChangeListener
{
public:
    ValueWidget();
    ~ValueWidget() override;

    juce::String getClassName() const override    { return "ValueWidget"; }

    /** Shows another object (or none); with notify, targetChanged() runs. */
    void setTarget (::tav::Object* newTarget, ::tav::ChangeCallback callback);

    /** The object shown, or nullptr once it is gone or none was set. */
    ::tav::Object* getTarget() const noexcept     { return token.expired() ? nullptr : target; }

    /** True while the widget shows a living object. */
    bool hasTarget() const noexcept               { return getTarget() != nullptr; }

    /** True for widgets that make sense without a target. */
    virtual bool handlesNullTarget() const        { return false; }

protected:
    /** Called after the target was replaced or changed itself; subclasses
        refresh what they display. */
    virtual void targetChanged()                  {}

    /** The target as a given type, or nullptr. */
    template <class Type>
    Type* getTargetAs() const                     { return dynamic_cast<Type*> (getTarget()); }

private:
    void objectChanged (::tav::Object& changedObject) override;
    void stopObserving();

    ::tav::Object* target = nullptr;
    std::weak_ptr<::tav::Object*> token;
};

} // namespace gui::tav
