#include "RunningUnderWine.h"

namespace gui::tav
{

bool isRunningUnderWine()
{
    return false;
}

} // namespace gui::tav
