#pragma once

#include "tavview/Command.h"

namespace gui::tav
{

//==============================================================================
/** Deletes its target from the list that owns it (a tav::ObjectOwnedVector);
    greyed out for objects that no list owns. */
class DestroyObjectCommand : public ObjectCommand
{
public:
    explicit DestroyObjectCommand (::tav::Object* target = nullptr, const juce::String& name = {});

    juce::String getClassName() const override    { return "DestroyObjectCommand"; }

    juce::String getShortDescription() const override;
    bool isEnabled() const override;
    void perform (::tav::ExecutionContext& context) override;
};

} // namespace gui::tav
