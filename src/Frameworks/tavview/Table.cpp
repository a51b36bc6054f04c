#include "tavview/Table.h"

#include "tavview/ObjectMenu.h"
#include "tavview/WidgetCreation.h"

namespace gui::tav
{

Table::Table()
{
    addMemberVariableObject (selection, "selection");
    listBox.setModel (this);
    listBox.setRowHeight (ObjectTableRow::rowHeight);
    addAndMakeVisible (listBox);
}

Table::~Table()
{
    listBox.setModel (nullptr);
}

int Table::getNumAccessibleRows() const
{
    const auto* list = getList();
    return list != nullptr ? (int) list->size() : 0;
}

::tav::Object* Table::getRowTarget (int row) const
{
    const auto* list = getList();
    return list != nullptr && row >= 0 ? list->getObject ((size_t) row) : nullptr;
}

const ::tav::Class* Table::findRowClass (const ::tav::Class* itemClass)
{
    const auto& root = ::tav::Library::getRootLibrary();

    // The root class "Object" is no item class: "ObjectTableRow" is the base
    // of all rows, not the row of plain objects.
    for (auto* c = itemClass; c != nullptr && c->getBaseClass() != nullptr; c = c->getBaseClass())
        if (auto* rowClass = root.findClass (c->getName() + "TableRow"))
            return rowClass;

    return root.findClass ("ItemTableRow");
}

void Table::setSelection (::tav::Object* item, ::tav::ChangeCallback callback)
{
    if (selection.get() != item)
        selection.set (item, callback);
}

void Table::selectRow (::tav::Object* item, bool addToSelection, bool notify)
{
    const auto* list = getList();
    const auto row = list != nullptr ? list->find (item) : -1;

    if (row < 0)
        return;

    {
        const juce::ScopedValueSetter<bool> quiet (selecting, true);
        listBox.selectRow (row, false, ! addToSelection);
    }

    setSelection (item, notify ? ::tav::ChangeCallback::notify() : ::tav::ChangeCallback::none());
}

ObjectTableRow* Table::getRowWidget (int row) const
{
    return dynamic_cast<ObjectTableRow*> (listBox.getComponentForRowNumber (row));
}

void Table::targetChanged()
{
    listBox.updateContent();
    listBox.repaint();

    // The selection follows its item through insertions, removals and moves.
    const auto* list = getList();
    const auto row = list != nullptr ? list->find (selection.get()) : -1;
    const juce::ScopedValueSetter<bool> quiet (selecting, true);

    if (row >= 0)
    {
        listBox.selectRow (row, false, true);
    }
    else
    {
        listBox.deselectAllRows();
        setSelection (nullptr, ::tav::ChangeCallback::notify());
    }
}

juce::Component* Table::refreshComponentForRow (int row, bool isSelected, juce::Component* existing)
{
    auto* item = getRowTarget (row);
    auto* rowWidget = dynamic_cast<ObjectTableRow*> (existing);
    const auto* rowClass = item != nullptr ? findRowClass (item->getClass()) : nullptr;

    if (rowWidget != nullptr && (rowClass == nullptr || rowWidget->getClass() != rowClass))
    {
        delete existing;
        rowWidget = nullptr;
    }

    if (rowWidget == nullptr && rowClass != nullptr)
    {
        auto created = createWidget (rowClass, item, this);
        rowWidget = dynamic_cast<ObjectTableRow*> (created.get());

        if (rowWidget != nullptr)
        {
            created.release();
            rowWidget->callInitializeWidget();
        }
    }

    if (rowWidget != nullptr)
    {
        rowWidget->setTarget (item, ::tav::ChangeCallback::notify());
        rowWidget->setSelected (isSelected);
    }

    return rowWidget;
}

void Table::selectedRowsChanged (int lastRowSelected)
{
    if (! selecting)
        setSelection (getRowTarget (lastRowSelected), ::tav::ChangeCallback::notify());
}

void Table::listBoxItemClicked (int row, const juce::MouseEvent& event)
{
    if (event.mods.isPopupMenu())
        openRowMenu (row);
}

void Table::openRowMenu (int row)
{
    if (auto* rowWidget = getRowWidget (row))
        ObjectMenu::show (rowWidget->createMenu(), rowWidget);
}

} // namespace gui::tav
