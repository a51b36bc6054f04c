#pragma once

#include <cstddef>

// The lines of text of the program's menus, top to bottom, as a person reads
// them (separators are no lines).
namespace menulines
{
    constexpr size_t ordinaryHome = 7;            // four configuration entries, log, environment, exit
    constexpr size_t secretHome = 17;             // with three section headers and the seven secret entries
    constexpr size_t saveAndRestart = 1;
    constexpr size_t exit = ordinaryHome - 1;
    constexpr size_t secretAllApplicationsKill = 9; // header, four configuration entries, log, header, start, prepare, kill
    constexpr size_t secretRow = 6;               // colour label, reveal, start, prepare, kill, delete
    constexpr size_t rowKill = 4;
}
