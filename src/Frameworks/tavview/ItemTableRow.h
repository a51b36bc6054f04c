#pragma once

#include "tavview/ValueWidget.h"

#include <memory>

namespace gui::tav
{

class ObjectMenu;

//==============================================================================
/**
    One row of a table: it shows one item of the table's list, its target.

    The table makes its rows by class: for items of class C the class
    registered as "CTableRow" (looked up from C through its bases, short of
    the root class), else
    ItemTableRow. A row shows the item's "name" member when it has a text
    one, else the item's class name; subclasses draw more.
*/
class ObjectTableRow : public ValueWidget
{
public:
    ObjectTableRow();

    juce::String getClassName() const override    { return "ObjectTableRow"; }

    /** The menu the row offers on a right-click, built afresh each time; the
        default offers the colour label and, for items of a list, deletion. */
    virtual std::unique_ptr<ObjectMenu> createMenu();

    /** The text the row shows. */
    virtual juce::String getDisplayText() const;

    /** The row's colour label, kept in the item's "colorLabel" member when
        it has one; transparent otherwise. */
    juce::Colour getColorLabel() const;

    /** Set by the table: whether the row is selected. */
    void setSelected (bool isNowSelected);

    void paint (juce::Graphics& g) override;

    /** A row's height in pixels. */
    static constexpr int rowHeight = 24;

protected:
    void targetChanged() override                 { repaint(); }

private:
    bool selected = false;
};

//==============================================================================
/** The row class used for items that have no row class of their own. */
class ItemTableRow : public ObjectTableRow
{
public:
    juce::String getClassName() const override    { return "ItemTableRow"; }
};

} // namespace gui::tav
