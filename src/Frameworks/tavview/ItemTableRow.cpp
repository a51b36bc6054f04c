#include "tavview/ItemTableRow.h"

#include "tavview/DestroyObjectCommand.h"
#include "tavview/ObjectMenu.h"
#include "tavview/SetColorLabelItemCommand.h"

#include <tavcore/ObjectOwnedVector.h>
#include <tavcore/String.h>

namespace gui::tav
{

namespace
{
    /** What every row offers: its colour label and, in a list, deletion. */
    class ItemMenu : public ObjectMenu
    {
    public:
        using ObjectMenu::ObjectMenu;

    protected:
        void populateMenu (MenuBuilder& builder) override
        {
            auto* item = getTarget();

            if (item == nullptr)
                return;

            builder.add (std::make_unique<SetColorLabelItemCommand> (item), false, false);

            if (dynamic_cast<::tav::ObjectOwnedVectorBase*> (item->getParent()) != nullptr)
            {
                builder.addSeparator();
                builder.add (std::make_unique<DestroyObjectCommand> (item), true, false);
            }
        }
    };

    constexpr int labelWidth = 6;
}

ObjectTableRow::ObjectTableRow()
{
    // The table's list box handles clicks: selection and the row's menu.
    setInterceptsMouseClicks (false, false);
}

std::unique_ptr<ObjectMenu> ObjectTableRow::createMenu()
{
    return std::make_unique<ItemMenu> (getTarget());
}

juce::String ObjectTableRow::getDisplayText() const
{
    auto* item = getTarget();

    if (item == nullptr)
        return {};

    for (size_t i = 0; i < item->getNumMemberVariableObjects(); ++i)
        if (item->getMemberVariableName (i) == "name")
            if (auto* name = dynamic_cast<::tav::String*> (item->getMemberVariable (i)); name != nullptr && name->get().isNotEmpty())
                return name->get();

    return item->getClassName();
}

juce::Colour ObjectTableRow::getColorLabel() const
{
    return SetColorLabelItemCommand::getLabelColour (getTarget());
}

void ObjectTableRow::setSelected (bool isNowSelected)
{
    if (selected != isNowSelected)
    {
        selected = isNowSelected;
        repaint();
    }
}

void ObjectTableRow::paint (juce::Graphics& g)
{
    const auto& lf = getLookAndFeel();

    if (selected)
        g.fillAll (lf.findColour (juce::TextEditor::highlightColourId));

    auto area = getLocalBounds();
    const auto label = getColorLabel();

    if (! label.isTransparent())
    {
        g.setColour (label);
        g.fillRect (area.removeFromLeft (labelWidth).reduced (0, 2));
    }
    else
    {
        area.removeFromLeft (labelWidth);
    }

    g.setColour (lf.findColour (juce::ListBox::textColourId));
    g.setFont ((float) getHeight() * 0.6f);
    g.drawText (getDisplayText(), area.reduced (6, 0), juce::Justification::centredLeft, true);
}

} // namespace gui::tav
