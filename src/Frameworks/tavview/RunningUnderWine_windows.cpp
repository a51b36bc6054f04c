#include "RunningUnderWine.h"

#include <windows.h>

namespace gui::tav
{

bool isRunningUnderWine()
{
    // ntdll is mapped into every process, so looking it up never loads it.
    const auto ntdll = GetModuleHandleW (L"ntdll.dll");
    return ntdll != nullptr && GetProcAddress (ntdll, "wine_get_version") != nullptr;
}

} // namespace gui::tav
