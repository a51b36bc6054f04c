#include "tavview/DestroyObjectCommand.h"

#include <tavcore/ObjectOwnedVector.h>

namespace gui::tav
{

namespace
{
    ::tav::ObjectOwnedVectorBase* findOwningList (::tav::Object* object)
    {
        return object != nullptr ? dynamic_cast<::tav::ObjectOwnedVectorBase*> (object->getParent()) : nullptr;
    }
}

DestroyObjectCommand::DestroyObjectCommand (::tav::Object* target, const juce::String& name)
    : ObjectCommand (target, name)
{
}

juce::String DestroyObjectCommand::getShortDescription() const
{
    const auto name = ObjectCommand::getShortDescription();
    return name.isNotEmpty() ? name : "Delete";
}

bool DestroyObjectCommand::isEnabled() const
{
    return ObjectCommand::isEnabled() && findOwningList (getTarget()) != nullptr;
}

void DestroyObjectCommand::perform (::tav::ExecutionContext&)
{
    auto* target = getTarget();

    if (auto* list = findOwningList (target))
        if (const auto index = list->find (target); index >= 0)
            list->remove ((size_t) index, ::tav::ChangeCallback::notify());
}

} // namespace gui::tav
