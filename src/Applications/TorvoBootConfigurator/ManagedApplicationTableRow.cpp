#include "ManagedApplicationTableRow.h"

#include "ManagedApplicationMenu.h"

#include <tavcore/ClassOf.h>
#include <tavcore/ObjectOwnedVector.h>

namespace gui::tav
{

const ::tav::Class* ManagedApplicationTableRow::getStaticClass()
{
    return ::tav::ClassOf<ManagedApplicationTableRow>::instance;
}

std::unique_ptr<ObjectMenu> ManagedApplicationTableRow::createMenu()
{
    auto* application = getTargetAs<os::ManagedApplication>();

    if (application == nullptr)
        return ItemTableRow::createMenu();

    auto menu = std::make_unique<ManagedApplicationMenu> (application);
    menu->setApplicationPosition (ManagedApplicationMenu::findPosition (*application));
    return menu;
}

juce::String ManagedApplicationTableRow::getDisplayText() const
{
    const auto* application = getTargetAs<os::ManagedApplication>();

    if (application == nullptr)
        return ItemTableRow::getDisplayText();

    const auto path = application->executablePath.get().trim();

    if (path.isEmpty())
        return "(no program)";

    const auto name = path.replaceCharacter ('\\', '/').fromLastOccurrenceOf ("/", false, false);
    return (name + " " + application->arguments.get()).trim();
}

} // namespace gui::tav
