#include "tavview/ObjectOwnedVectorEditor.h"

#include <tavcore/Library.h>

namespace gui::tav
{

ObjectOwnedVectorEditor::ObjectOwnedVectorEditor()
{
    table.setParent (this);
    addChildWidget (table);

    addButton.onClick = [this] { addItem(); };
    removeButton.onClick = [this] { removeSelectedItem(); };
    upButton.onClick = [this] { moveSelectedItem (-1); };
    downButton.onClick = [this] { moveSelectedItem (1); };

    addButton.setTooltip ("Add an item after the selected one");
    removeButton.setTooltip ("Remove the selected item");

    for (auto* button : buttons)
        addAndMakeVisible (button);

    updateButtons();
}

ObjectOwnedVectorEditor::~ObjectOwnedVectorEditor()
{
    removeChildWidget (table);
}

void ObjectOwnedVectorEditor::initializeWidget()
{
    resized();
}

void ObjectOwnedVectorEditor::targetChanged()
{
    table.setTarget (getTarget(), ::tav::ChangeCallback::notify());
    updateButtons();
}

int ObjectOwnedVectorEditor::getSelectedIndex() const
{
    const auto* list = table.getList();
    return list != nullptr ? list->find (table.getSelection().get()) : -1;
}

void ObjectOwnedVectorEditor::updateButtons()
{
    const auto* list = table.getList();
    const auto selected = getSelectedIndex();
    addButton.setEnabled (list != nullptr);
    removeButton.setEnabled (selected >= 0);
    upButton.setEnabled (selected > 0);
    downButton.setEnabled (selected >= 0 && list != nullptr && (size_t) selected + 1 < list->size());
}

bool ObjectOwnedVectorEditor::addItem()
{
    auto* list = table.getList();

    if (list == nullptr)
        return false;

    auto item = ::tav::Library::getRootLibrary().createObject (list->getElementClassName());

    if (item == nullptr)
    {
        ::tav::ExecutionContext::get().error ("Cannot create an item of class \"" + list->getElementClassName() + "\"");
        return false;
    }

    auto* added = item.get();
    const auto selected = getSelectedIndex();
    list->insert (selected >= 0 ? (size_t) selected + 1 : list->size(), std::move (item), ::tav::ChangeCallback::notify());
    table.selectRow (added, false, true);
    return true;
}

bool ObjectOwnedVectorEditor::removeSelectedItem()
{
    auto* list = table.getList();
    const auto selected = getSelectedIndex();

    if (list == nullptr || selected < 0)
        return false;

    list->remove ((size_t) selected, ::tav::ChangeCallback::notify());
    table.selectRow (list->getObject ((size_t) juce::jmin (selected, (int) list->size() - 1)), false, true);
    return true;
}

bool ObjectOwnedVectorEditor::moveSelectedItem (int delta)
{
    auto* list = table.getList();
    const auto selected = getSelectedIndex();
    const auto destination = selected + delta;

    if (list == nullptr || selected < 0 || destination < 0 || destination >= (int) list->size())
        return false;

    list->move ((size_t) selected, (size_t) destination, ::tav::ChangeCallback::notify());
    updateButtons();
    return true;
}

void ObjectOwnedVectorEditor::resized()
{
    auto area = getLocalBounds();
    auto bar = area.removeFromBottom (buttonBarHeight).reduced (0, 3);
    table.setBounds (area);

    for (auto* button : buttons)
    {
        button->setBounds (bar.removeFromLeft (juce::jmax (36, button->getBestWidthForHeight (bar.getHeight()))));
        bar.removeFromLeft (4);
    }
}

} // namespace gui::tav
