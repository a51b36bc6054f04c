#include "tavcore/ClassTable.h"

namespace tav
{

void addClassTable (Library& library, std::span<const ClassTableEntry> table)
{
    for (const auto& entry : table)
        library.addClass (entry.name, entry.make (entry.name));
}

void removeClassTable (Library& library, std::span<const ClassTableEntry> table)
{
    for (auto i = table.size(); i > 0; --i)
        library.removeClass (table[i - 1].name);
}

juce::StringArray getClassTableNames (std::span<const ClassTableEntry> table)
{
    juce::StringArray names;

    for (const auto& entry : table)
        names.add (entry.name);

    return names;
}

} // namespace tav
