#pragma once

#include "tavview/ItemTableRow.h"

#include <tavcore/Class.h>
#include <tavcore/ObjectOwnedVector.h>
#include <tavcore/ObjectWeakPointer.h>

namespace gui::tav
{

//==============================================================================
/**
    The rows of a list (a tav::ObjectOwnedVector, the target), one row
    widget per item, made by class (see ObjectTableRow). The member
    "selection" points at the selected item; observers of it follow the
    selection. It keeps pointing at the same item when the list changes,
    and at nothing once that item is gone. A right-click on a row opens the
    row's menu.
*/
class Table : public ValueWidget,
              private juce::ListBoxModel
{
public:
    Table();
    ~Table() override;

    juce::String getClassName() const override    { return "Table"; }

    /** The selected item's pointer. */
    ::tav::ObjectWeakPointer& getSelection() noexcept   { return selection; }

    /** The selected item's pointer. */
    const ::tav::ObjectWeakPointer& getSelection() const noexcept   { return selection; }

    /** The list shown, or nullptr. */
    ::tav::ObjectOwnedVectorBase* getList() const { return getTargetAs<::tav::ObjectOwnedVectorBase>(); }

    /** The number of rows. */
    int getNumAccessibleRows() const;

    /** The item of a row, or nullptr. */
    ::tav::Object* getRowTarget (int row) const;

    /** Selects an item's row (nothing for nullptr or an item of another list);
        with addToSelection the others stay selected. The selection pointer
        changes with callback. */
    void selectRow (::tav::Object* item, bool addToSelection, bool notify);

    /** The widget showing a row while it is on screen, or nullptr. */
    ObjectTableRow* getRowWidget (int row) const;

    /** The list box behind the rows. */
    juce::ListBox& getListBox() noexcept          { return listBox; }

    /** The row class for items of a class: "<ItemClass>TableRow" from the
        item's class through its bases (the root class excepted), else
        "ItemTableRow". */
    static const ::tav::Class* findRowClass (const ::tav::Class* itemClass);

    /** Opens the menu of a row, as a right-click does. */
    void openRowMenu (int row);

    void resized() override                       { listBox.setBounds (getLocalBounds()); }

protected:
    void targetChanged() override;

private:
    int getNumRows() override                     { return getNumAccessibleRows(); }
    void paintListBoxItem (int, juce::Graphics&, int, int, bool) override {}
    juce::Component* refreshComponentForRow (int row, bool isSelected, juce::Component* existing) override;
    void selectedRowsChanged (int lastRowSelected) override;
    void listBoxItemClicked (int row, const juce::MouseEvent& event) override;
    void setSelection (::tav::Object* item, ::tav::ChangeCallback callback);

    ::tav::ObjectWeakPointer selection;
    juce::ListBox listBox;
    bool selecting = false;
};

} // namespace gui::tav
