#include "tavview/ValueWidget.h"

namespace gui::tav
{

ValueWidget::ValueWidget() = default;

ValueWidget::~ValueWidget()
{
    stopObserving();
}

void ValueWidget::setTarget (::tav::Object* newTarget, ::tav::ChangeCallback callback)
{
    if (newTarget == getTarget())
        return;

    stopObserving();
    target = newTarget;
    token = newTarget != nullptr ? newTarget->getLifetimeToken() : std::weak_ptr<::tav::Object*>();

    if (newTarget != nullptr)
        newTarget->addChangeListener (this);

    if (callback.shouldNotify())
        targetChanged();
}

void ValueWidget::stopObserving()
{
    if (auto* current = getTarget())
        current->removeChangeListener (this);

    target = nullptr;
    token.reset();
}

void ValueWidget::objectChanged (::tav::Object&)
{
    targetChanged();
}

} // namespace gui::tav
