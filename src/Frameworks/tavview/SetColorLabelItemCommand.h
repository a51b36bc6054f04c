#pragma once

#include "tavview/Command.h"

#include <juce_graphics/juce_graphics.h>
#include <tavcore/String.h>

namespace gui::tav
{

//==============================================================================
/**
    The colour-label entry of an item's menu: a sub-menu of colours, one
    ticked when it is the item's label. The label lives in the item's text
    member "colorLabel" (the colour as hex ARGB, empty for none), so it is
    saved with the item; for items without that member the entry is greyed
    out.
*/
class SetColorLabelItemCommand : public ObjectCommand
{
public:
    /** The entry for an item (the parent menu entry), or, with a colour name
        and value, one colour of its sub-menu. */
    explicit SetColorLabelItemCommand (::tav::Object* item = nullptr, const juce::String& colourName = {},
                                       juce::Colour colour = {});

    juce::String getClassName() const override    { return "SetColorLabelItemCommand"; }

    juce::String getShortDescription() const override;
    bool isEnabled() const override               { return ObjectCommand::isEnabled() && findLabel (getTarget()) != nullptr; }
    bool isTicked() const override;
    void perform (::tav::ExecutionContext& context) override;
    std::vector<std::unique_ptr<AbstractCommand>> createSubCommands() override;

    /** The label member of an item, or nullptr when it has none. */
    static ::tav::String* findLabel (::tav::Object* item);

    /** An item's label colour, transparent when it has none. */
    static juce::Colour getLabelColour (::tav::Object* item);

private:
    juce::String colourName;
    juce::Colour colour;
};

} // namespace gui::tav
