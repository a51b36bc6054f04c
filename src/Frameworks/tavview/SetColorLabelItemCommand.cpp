#include "tavview/SetColorLabelItemCommand.h"

namespace gui::tav
{

namespace
{
    struct NamedColour
    {
        const char* name;
        juce::uint32 argb;
    };

    // The labels a person tells apart at a glance, as file managers offer them.
    constexpr NamedColour labelColours[] = { { "None", 0 },          { "Red", 0xffe0443e },    { "Orange", 0xfff0922b },
                                             { "Yellow", 0xfff2d13a }, { "Green", 0xff4cb85a }, { "Blue", 0xff3d8fe0 },
                                             { "Purple", 0xffa05bd6 }, { "Grey", 0xff9a9a9a } };

    juce::String toText (juce::Colour colour)
    {
        return colour.isTransparent() ? juce::String() : colour.toString();
    }
}

SetColorLabelItemCommand::SetColorLabelItemCommand (::tav::Object* item, const juce::String& name, juce::Colour c)
    : ObjectCommand (item), colourName (name), colour (c)
{
}

::tav::String* SetColorLabelItemCommand::findLabel (::tav::Object* item)
{
    if (item == nullptr)
        return nullptr;

    for (size_t i = 0; i < item->getNumMemberVariableObjects(); ++i)
        if (item->getMemberVariableName (i) == "colorLabel")
            return dynamic_cast<::tav::String*> (item->getMemberVariable (i));

    return nullptr;
}

juce::Colour SetColorLabelItemCommand::getLabelColour (::tav::Object* item)
{
    const auto* label = findLabel (item);
    return label != nullptr && label->get().isNotEmpty() ? juce::Colour::fromString (label->get()) : juce::Colour();
}

juce::String SetColorLabelItemCommand::getShortDescription() const
{
    return colourName.isNotEmpty() ? colourName : "Color label";
}

bool SetColorLabelItemCommand::isTicked() const
{
    return colourName.isNotEmpty() && toText (getLabelColour (getTarget())) == toText (colour);
}

void SetColorLabelItemCommand::perform (::tav::ExecutionContext&)
{
    if (auto* label = findLabel (getTarget()); label != nullptr && colourName.isNotEmpty())
        label->set (toText (colour), ::tav::ChangeCallback::notify());
}

std::vector<std::unique_ptr<AbstractCommand>> SetColorLabelItemCommand::createSubCommands()
{
    std::vector<std::unique_ptr<AbstractCommand>> colours;

    if (colourName.isNotEmpty() || ! isEnabled())
        return colours;

    for (const auto& c : labelColours)
        colours.push_back (std::make_unique<SetColorLabelItemCommand> (getTarget(), c.name, juce::Colour (c.argb)));

    return colours;
}

} // namespace gui::tav
