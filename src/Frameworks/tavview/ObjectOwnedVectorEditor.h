#pragma once

#include "tavview/ChangeWatcher.h"
#include "tavview/Table.h"

#include <array>

namespace gui::tav
{

//==============================================================================
/**
    Edits a list (a tav::ObjectOwnedVector, the target): its table and, below
    it, buttons that add an item of the list's element class after the
    selected one, remove the selected item, and move it up or down. The
    buttons are greyed out where they can do nothing.
*/
class ObjectOwnedVectorEditor : public ValueWidget
{
public:
    ObjectOwnedVectorEditor();
    ~ObjectOwnedVectorEditor() override;

    juce::String getClassName() const override    { return "ObjectOwnedVectorEditor"; }

    /** The table. */
    Table& getTable() noexcept                    { return table; }

    /** Adds a new item of the element class after the selection (at the end
        without one) and selects it; false when the class makes none. */
    bool addItem();

    /** Removes the selected item and selects its neighbour. */
    bool removeSelectedItem();

    /** Moves the selected item by delta places. */
    bool moveSelectedItem (int delta);

    /** The buttons, in order: add, remove, up, down. */
    juce::Button& getButton (int index) noexcept  { return *buttons[(size_t) juce::jlimit (0, 3, index)]; }

    /** The height of the button bar in pixels. */
    static constexpr int buttonBarHeight = 30;

    void resized() override;

protected:
    void targetChanged() override;
    void initializeWidget() override;

private:
    void updateButtons();
    int getSelectedIndex() const;

    Table table;
    juce::TextButton addButton { "+" }, removeButton { "-" }, upButton { "Up" }, downButton { "Down" };
    std::array<juce::TextButton*, 4> buttons { &addButton, &removeButton, &upButton, &downButton };
    ChangeWatcher selectionWatcher { table.getSelection(), [this] { updateButtons(); } };
};

} // namespace gui::tav
