#pragma once

namespace gui::tav
{

//==============================================================================
/** True when this process is a Windows program running under Wine, whose
    ntdll exports wine_get_version; always false on Linux. */
bool isRunningUnderWine();

} // namespace gui::tav
