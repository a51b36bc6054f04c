#pragma once

#include <tavview/ItemTableRow.h>

namespace gui::tav
{

//==============================================================================
/** A row of the application table: it shows the application's program and
    offers the application's menu. */
class ManagedApplicationTableRow : public ItemTableRow
{
public:
    juce::String getClassName() const override    { return "ManagedApplicationTableRow"; }

    /** The registered class, while the library is loaded. */
    static const ::tav::Class* getStaticClass();

    std::unique_ptr<ObjectMenu> createMenu() override;

    /** The program's file name and its arguments; "(no program)" when the
        application names none. */
    juce::String getDisplayText() const override;
};

} // namespace gui::tav
